#pragma once
// ClipPlayer: a strip of three push buttons, Play, Pause and Back-to-start,
// bound to one recording played by a device of the audio service. The strip
// opens its device once the main window is built (open()) and closes it when
// destroyed. Only the candidate drives it: by mouse, keyboard, or the
// Press actions of assistive technology (clip_player_accessible.h).

#include "platform/audio_service.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

class QPainter;

enum class ClipButton { Play, Pause, BackToStart };

// The path a clip of the paper kept in `dossier` is read from, relative to
// the working directory: "Q01_h.mp3" gives "ressources/Q01_h.mp3" for paper 1
// (empty dossier), "ressources/epreuve2/Q01_h.mp3" for paper 2.
QString clip_file_name(const QString& clip_name, const QString& dossier = {});

class ClipPlayer : public QWidget {
    Q_OBJECT

public:
    static constexpr int button_count = 3;
    static constexpr int minimum_height = 20;
    static constexpr int minimum_width = button_count * 28 + 1;

    // `service` must outlive the strip.
    ClipPlayer(QString file_name, audio::audio_service& service, QWidget* parent = nullptr);
    ~ClipPlayer() override;

    // Opens the device; throws AppError("EMCIDeviceError", …) when it cannot.
    void open();

    // The buttons' actions; each throws AppError("EMCIDeviceError",
    // "No MCI device open") on a strip without a device.
    void play();
    void pause();
    void backToStart();

    // A mouse click on the button: nothing when it is unavailable; otherwise
    // it takes the strip's focus mark and does its action.
    void click(ClipButton button);

    bool isAvailable(ClipButton button) const { return available_[index(button)]; }
    ClipButton focusedButton() const { return focused_; }
    // The button's span; neighbours share their border column.
    QRect buttonBounds(ClipButton button) const;

    // The size a strip given `wanted` takes: the largest width of the form
    // n x (button width - 1) + 1 not above the wanted one, within the minimum.
    static QSize fittedSize(QSize wanted);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    static int index(ClipButton button) { return static_cast<int>(button); }
    static ClipButton button_at(int i) { return static_cast<ClipButton>(i); }

    void require_device() const;
    void press(ClipButton button);
    void set_focused(ClipButton button);
    void update_availability(ClipButton pressed);
    void set_available(ClipButton button, bool available);
    void end_of_clip();
    void paint_button(QPainter& painter, ClipButton button) const;

    QString file_name_;
    audio::audio_service& service_;
    bool opened_ = false;
    audio::device_id device_id_ = 0;
    audio::error_code last_error_ = 0;
    bool can_play_ = false;
    std::array<bool, button_count> available_{};
    ClipButton focused_ = ClipButton::Play;
    ClipButton current_ = ClipButton::Play;
    bool pressed_ = false;
    bool down_ = false;
    QRect press_rect_;
    int button_width_ = 29;
};
