#pragma once
// What assistive technology (a screen reader over AT-SPI, switch or voice
// control) sees of the platform's own controls:
// - an answer option is a radio button named by its caption, checkable,
//   showing its checked state; its Press and Toggle actions check it through
//   the same path as a click (an option already checked stays as it is);
// - a focus holder is a named grouping without a press action, since
//   pressing it does nothing;
// - a bevel panel is static text whose caption is its name and its text;
// - a page set's tab is focused only while its strip has the focus;
// - a status bar of text panels has the status bar's role.
// Installed once, by the first control that needs it.

void install_control_accessibility();
