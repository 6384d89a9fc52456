#pragma once
// Reading and checking one section file of the catalogue (see FORMAT.md).

#include "content/catalogue.h"

#include <vector>

// The pages of section `section` (1 to 3) read from `path`, every rule of the
// format and the section's page structure checked, every picture read from
// `images_folder` (empty: the built-in pictures). Throws
// AppError("ECatalogueError") naming the file and the page or question at fault.
std::vector<page> read_catalogue_section(int section, const QString& path,
                                         const QString& images_folder);
