#pragma once
// The clip player's button glyphs: 16-colour bitmaps named "CL_MPPLAY",
// "DI_MPPLAY", "CL_MPPAUSE", "DI_MPPAUSE", "CL_MPPREV", "DI_MPPREV" ("CL"
// coloured, for an available button; "DI" outline, for an unavailable one).
// Drawn once by code and kept.

#include <QImage>
#include <QString>

// The bitmap of that name ready to paint: olive pixels are transparent; a
// null image for an unknown name.
const QImage& clip_glyph_for_drawing(const QString& name);
