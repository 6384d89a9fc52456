#include "pages/clip_player.h"

#include "pages/clip_glyphs.h"
#include "pages/clip_player_accessible.h"
#include "platform/app_error.h"
#include "platform/error_reporting.h"
#include "platform/keyboard_order.h"
#include "platform/radio_option.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QString error_kind = QStringLiteral("EMCIDeviceError");

QString glyph_name(ClipButton button, bool available)
{
    static const char* const images[] = {"MPPLAY", "MPPAUSE", "MPPREV"};
    return QStringLiteral("%1_%2").arg(available ? QLatin1String("CL") : QLatin1String("DI"),
                                       QLatin1String(images[static_cast<int>(button)]));
}

// The dotted rectangle of the keyboard focus: every other pixel of its border,
// in a checkerboard so that corners and edges line up.
void draw_focus_rect(QPainter& painter, const QRect& r, const QColor& colour)
{
    painter.setPen(colour);
    for (int x = r.left(); x <= r.right(); ++x) {
        if ((x + r.top()) % 2 == 0)
            painter.drawPoint(x, r.top());
        if ((x + r.bottom()) % 2 == 0)
            painter.drawPoint(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        if ((r.left() + y) % 2 == 0)
            painter.drawPoint(r.left(), y);
        if ((r.right() + y) % 2 == 0)
            painter.drawPoint(r.right(), y);
    }
}

} // namespace

QString clip_file_name(const QString& clip_name, const QString& dossier)
{
    return dossier.isEmpty() ? QStringLiteral("ressources/") + clip_name
                             : QStringLiteral("ressources/") + dossier + u'/' + clip_name;
}

ClipPlayer::ClipPlayer(QString file_name, audio::audio_service& service, QWidget* parent)
    : QWidget(parent), file_name_(std::move(file_name)), service_(service)
{
    // A tab stop that a click does not focus: clicking a button leaves the
    // keyboard focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(minimum_width, minimum_height);
    resize(minimum_width, minimum_height);
    install_clip_player_accessibility();
}

ClipPlayer::~ClipPlayer()
{
    if (device_id_ != 0)
        service_.close(device_id_);
}

void ClipPlayer::open()
{
    if (opened_)
        return;
    audio::device_id id = 0;
    last_error_ = service_.open(file_name_, this, id);
    if (last_error_ != 0) {
        QString text;
        if (!service_.error_text(last_error_, text))
            text = QStringLiteral("Unknown error code");
        throw AppError(error_kind, text);
    }
    opened_ = true;
    device_id_ = id;
    bool can = false;
    service_.can_play(device_id_, can);
    can_play_ = can;
    available_[index(ClipButton::BackToStart)] = true;
    available_[index(ClipButton::Play)] = can_play_;
    audio::mode mode = audio::mode::stopped;
    last_error_ = service_.status_mode(device_id_, mode);
    if (last_error_ == 0 && mode == audio::mode::playing)
        update_availability(ClipButton::Play);
    update();
}

void ClipPlayer::require_device() const
{
    if (!opened_)
        throw AppError(error_kind, QStringLiteral("No MCI device open"));
}

void ClipPlayer::play()
{
    require_device();
    std::uint32_t position = 0;
    std::uint32_t length = 0;
    last_error_ = service_.status_position(device_id_, position);
    const bool position_known = last_error_ == 0;
    last_error_ = service_.status_length(device_id_, length);
    if (position_known && last_error_ == 0 && position == length)
        service_.seek_to_start(device_id_); // played to its end: rewind first
    last_error_ = service_.play(device_id_);
}

void ClipPlayer::pause()
{
    require_device();
    audio::mode mode = audio::mode::stopped;
    last_error_ = service_.status_mode(device_id_, mode);
    if (last_error_ == 0 && mode == audio::mode::playing) {
        last_error_ = service_.pause(device_id_);
        return;
    }
    last_error_ = service_.status_mode(device_id_, mode);
    if (last_error_ == 0 && mode == audio::mode::paused) {
        last_error_ = service_.resume(device_id_);
        if (last_error_ != 0)
            play();
    }
}

void ClipPlayer::backToStart()
{
    require_device();
    last_error_ = service_.seek_to_start(device_id_);
}

void ClipPlayer::click(ClipButton button)
{
    if (!isAvailable(button))
        return;
    set_focused(button);
    press(button);
}

void ClipPlayer::set_focused(ClipButton button)
{
    if (focused_ == button)
        return;
    focused_ = button;
    update();
    announce_focus(this, button);
}

void ClipPlayer::press(ClipButton button)
{
    current_ = button;
    try {
        switch (button) {
        case ClipButton::Play:
            play();
            break;
        case ClipButton::Pause:
            pause();
            break;
        case ClipButton::BackToStart:
            backToStart();
            break;
        }
        update_availability(button);
    } catch (const AppError& error) {
        report_handler_error(error);
    }
}

void ClipPlayer::update_availability(ClipButton pressed)
{
    if (last_error_ != 0 || !opened_)
        return;
    switch (pressed) {
    case ClipButton::Play:
        set_available(ClipButton::Play, false);
        set_available(ClipButton::Pause, true);
        break;
    case ClipButton::Pause:
        if (can_play_)
            set_available(ClipButton::Play, true);
        break;
    case ClipButton::BackToStart:
        if (can_play_)
            set_available(ClipButton::Play, true);
        set_available(ClipButton::Pause, false);
        break;
    }
}

void ClipPlayer::set_available(ClipButton button, bool available)
{
    if (available_[index(button)] == available)
        return;
    available_[index(button)] = available;
    update();
    announce_availability(this, button);
}

void ClipPlayer::end_of_clip()
{
    if (!opened_)
        return;
    audio::mode mode = audio::mode::stopped;
    last_error_ = service_.status_mode(device_id_, mode);
    if (last_error_ != 0 || mode != audio::mode::stopped)
        return;
    if (can_play_)
        set_available(ClipButton::Play, true);
    set_available(ClipButton::Pause, false);
}

bool ClipPlayer::event(QEvent* e)
{
    if (e->type() == audio::audio_notice_event::event_type()) {
        end_of_clip(); // the notice's code does not matter: the mode tells
        return true;
    }
    if (e->type() == QEvent::ToolTip)
        return show_button_tooltip(this, static_cast<QHelpEvent*>(e));
    return QWidget::event(e);
}

QRect ClipPlayer::buttonBounds(ClipButton button) const
{
    return {index(button) * (button_width_ - 1), 0, button_width_, height()};
}

QSize ClipPlayer::fittedSize(QSize wanted)
{
    const int width = std::max(minimum_width, wanted.width());
    const int step = width - 1 - (width - 1) % button_count;
    return {step + 1, std::max(minimum_height, wanted.height())};
}

QSize ClipPlayer::sizeHint() const
{
    return {minimum_width, minimum_height};
}

QSize ClipPlayer::minimumSizeHint() const
{
    return sizeHint();
}

void ClipPlayer::resizeEvent(QResizeEvent* e)
{
    const QSize fitted = fittedSize(size());
    if (fitted != size()) {
        resize(fitted);
        return;
    }
    button_width_ = (width() - 1) / button_count + 1;
    QWidget::resizeEvent(e);
}

void ClipPlayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int i = 0; i < button_count; ++i)
        paint_button(painter, button_at(i));
}

void ClipPlayer::paint_button(QPainter& painter, ClipButton button) const
{
    const QRect r = buttonBounds(button);
    const bool pushed = pressed_ && down_ && current_ == button;
    const int left = r.left() + 1, top = 1, right = r.right() - 1, bottom = r.bottom() - 1;

    painter.fillRect(r, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    if (pushed) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(left, top, left, bottom);
        painter.drawLine(left, top, right, top);
    } else {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(left, top, left, bottom);
        painter.drawLine(left, top, right, top);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(left, bottom, right, bottom);
        painter.drawLine(right, top, right, bottom);
    }

    const int shift = pushed ? 1 : 0;
    const QImage& glyph = clip_glyph_for_drawing(glyph_name(button, isAvailable(button)));
    painter.drawImage(r.left() + button_width_ / 2 - glyph.width() / 2 + shift,
                      height() / 2 - glyph.height() / 2 + shift, glyph);

    if (hasFocus() && focused_ == button)
        draw_focus_rect(painter, r.adjusted(3, 3, -3, -3).translated(shift, shift),
                        palette().color(QPalette::WindowText));
}

void ClipPlayer::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int x = e->position().toPoint().x();
    for (int i = 0; i < button_count; ++i) {
        const QRect r = buttonBounds(button_at(i));
        // A button owns its span including its right border column, which it
        // shares with its neighbour: a click there goes to the left button.
        if (x < r.left() || x > r.right())
            continue;
        const ClipButton button = button_at(i);
        if (!isAvailable(button))
            return;
        current_ = button;
        set_focused(button);
        press_rect_ = r;
        pressed_ = true;
        down_ = true;
        update(); // the mouse stays with the strip until release (Qt's implicit grab)
        return;
    }
}

void ClipPlayer::mouseMoveEvent(QMouseEvent* e)
{
    if (!pressed_)
        return;
    const bool inside = press_rect_.contains(e->position().toPoint());
    if (inside != down_) {
        down_ = inside;
        update(press_rect_);
    }
}

void ClipPlayer::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    const bool act = down_;
    pressed_ = false;
    down_ = false;
    update(press_rect_);
    if (act)
        press(current_);
}

void ClipPlayer::keyPressEvent(QKeyEvent* e)
{
    const int i = index(focused_);
    switch (e->key()) {
    case Qt::Key_Left:
        if (i > 0)
            set_focused(button_at(i - 1));
        return;
    case Qt::Key_Right:
        if (i < button_count - 1)
            set_focused(button_at(i + 1));
        return;
    case Qt::Key_Space:
        if (isAvailable(focused_))
            press(focused_);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The strip uses Left and Right only: Up and Down go on to the
        // neighbouring controls of its page or group, so that the options
        // beside it can be reached from the keyboard alone. Arriving among a
        // question's options chooses nothing: the focus rests on the checked
        // one, or unchecked on the one met first (A going down, D going up),
        // for Space or a further arrow key to answer.
        if (QWidget* next = arrow_neighbour(this, e)) {
            if (auto* option = qobject_cast<RadioOption*>(next))
                option->focusGroupWithoutChoosing(arrow_focus_reason(e));
            else
                next->setFocus(arrow_focus_reason(e));
        }
        return;
    default:
        QWidget::keyPressEvent(e); // Escape and the rest go on to the window
    }
}

void ClipPlayer::focusInEvent(QFocusEvent* e)
{
    update();
    QWidget::focusInEvent(e);
    // After the strip's own focus notice, which comes once this returns.
    QMetaObject::invokeMethod(this, [this] { announce_focus(this, focused_); }, Qt::QueuedConnection);
}

void ClipPlayer::focusOutEvent(QFocusEvent* e)
{
    update();
    QWidget::focusOutEvent(e);
}
