#pragma once
// The "Corrigé" menu: one item per section, opening that section's review
// window. An item is enabled only while its section has a result and no
// section runs, and a review window stays open only while its item is
// enabled, so the key is never on screen during a section.

#include "content/catalogue.h"
#include "engine/test_state.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class ReviewWindow;
namespace audio { class audio_service; }

class ReviewMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu to `bar` before the menu of `before`. `state` and
    // `audio` must outlive `window`, which owns the menu and the windows.
    ReviewMenu(QMenuBar* bar, QAction* before, const test_state& state, audio::audio_service& audio,
               QWidget* window);

    // After anything that can start, finish or reinitialise a section.
    void sync(bool section_running);
    // The paper being sat is now the one of `questions`, the catalogue its
    // pages were built from: every review window closes, and the next one
    // shows that paper. The menu and its windows share the catalogue, so it
    // lives as long as any of them reads it.
    void usePaper(std::shared_ptr<const catalogue> questions);

private:
    QAction* item(int section) const { return items_[static_cast<std::size_t>(section - 1)]; }
    // The open review window of section 1 to 3, or null.
    ReviewWindow* window(int section) const;
    void open(int section);

    const test_state& state_;
    audio::audio_service& audio_;
    QWidget* window_;
    QMenu* menu_ = nullptr;
    std::array<QAction*, 3> items_{};
    std::array<QPointer<ReviewWindow>, 3> windows_{};
    std::shared_ptr<const catalogue> questions_; // the paper being sat
};
