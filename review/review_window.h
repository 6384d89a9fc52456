#pragma once
// The review of a finished section, in a window of its own beside the main
// window: the section's score, the list of its questions with the
// candidate's answer, the key and a mark, and the selected question's
// detail with its recordings. It reads the test state when it is built and
// changes nothing in it. Closing it stops and closes its players.

#include "content/catalogue.h"
#include "engine/test_state.h"
#include "review/question_detail.h"

#include <QWidget>
#include <memory>
#include <vector>

class QAccessibleInterface;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;
namespace audio { class audio_service; }

class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    // The window keeps `questions` (its list points into it); `state` and
    // `audio` must outlive it.
    ReviewWindow(int section, std::shared_ptr<const catalogue> questions, const test_state& state,
                 audio::audio_service& audio, QWidget* parent);
    ~ReviewWindow() override;


protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct entry {
        const ::page* page;
        const ::question* question;
    };

    void fit_on_screen(QWidget* main_window);
    static QAccessibleInterface* accessible_interface(const QString& class_name, QObject* object);
    void fill_list();
    void show_only_errors(bool only);
    void show_detail(QTreeWidgetItem* item);
    void clear_detail();

    int section_;
    std::shared_ptr<const catalogue> questions_;
    const test_state& state_;
    audio::audio_service& audio_;
    std::vector<entry> entries_;
    QLabel* summary_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QCheckBox* errors_only_ = nullptr;
    QScrollArea* detail_area_ = nullptr;
    QPushButton* close_button_ = nullptr;
    question_detail detail_;
};
