#pragma once
// The detail of one question in the review of its section: its content as
// on its page (stem, options, passage, picture strip), the correct option and
// the candidate's marked, and for a listening question each of its
// recordings with a player and what is said in it.

#include "content/catalogue.h"

#include <QList>

class ClipPlayer;
class QWidget;
namespace audio { class audio_service; }

struct question_detail {
    QWidget* widget = nullptr;
    // The controls inside that take the focus, in keyboard order.
    QList<QWidget*> keyboard_order;
    // One per recording, opened, in page order.
    QList<ClipPlayer*> players;
};

// `answer` and `key` are 0 (none) or 1 to 4 for A to D. Opening a player may
// throw AppError; the half-built widget is then deleted.
question_detail build_question_detail(const page& p, const question& q, int answer, int key,
                                      audio::audio_service& audio);
