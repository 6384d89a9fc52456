#pragma once
// What assistive technology sees of a clip player: a grouping, named by the
// strip's accessible name ("Enregistrement" without one), holding three push
// buttons "Lecture", "Pause" and "Retour au début". A button is enabled
// exactly when it is available, focused when it holds the strip's keyboard
// focus, and its Press action is a mouse click on it (nothing when it is
// unavailable).

#include <QString>

class ClipPlayer;
class QHelpEvent;
enum class ClipButton;

// Installed once, by the first player.
void install_clip_player_accessibility();

QString clip_button_name(ClipButton button);

// Answers a tooltip request on the strip with the name of the button under
// the pointer, so that a sighted user learns it too.
bool show_button_tooltip(ClipPlayer* player, const QHelpEvent* request);

// Tell assistive technology that the button's availability changed, or that
// it now holds the focus of a focused strip.
void announce_availability(ClipPlayer* player, ClipButton button);
void announce_focus(ClipPlayer* player, ClipButton button);
