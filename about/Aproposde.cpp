#include "about/Aproposde.h"

#include "about/emblem.h"
#include "platform/cancel_button.h"
#include "platform/pixel_font.h"
#include "platform/window_placement.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
QFont tahoma(int pixels, bool bold = false) { return font_px("Tahoma", pixels, bold); }

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry,
              const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    l->setAlignment(alignment);
    l->setGeometry(geometry);
    return l;
}

// A label sized to its text, at its place. A glyph that rises above the
// font's ascent (the accent on the capital of "Équipe") gets room above the
// label's line, so that it is not cut off; the text stays where it was.
QLabel* fitted_label(QWidget* parent, const char* name, const QString& text, QPoint at, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int above = qMax(0, -metrics.tightBoundingRect(text).top() - metrics.ascent());
    QLabel* l = label(parent, name, text, QRect(at, QSize()), font, Qt::AlignLeft | Qt::AlignBottom);
    l->setGeometry(QRect(at - QPoint(0, above), l->sizeHint() + QSize(0, above)));
    return l;
}
}

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("A propos de Parvolis"));
    setFont(tahoma(11));
    setFixedSize(242, 273);

    label(this, "Label1", QStringLiteral("Parvolis"), {96, 6, 137, 25}, tahoma(16, true), Qt::AlignHCenter | Qt::AlignTop);
    label(this, "Label5", QStringLiteral("Version " PARVOLIS_ABOUT_VERSION), {96, 48, 137, 19}, tahoma(16), Qt::AlignHCenter | Qt::AlignTop);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(18, 6, 71, 71);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap::fromImage(about_emblem()));
    image->setAccessibleName(QStringLiteral("Parvolis"));
    label(this, "Label7", QStringLiteral("HSK élémentaire"), {96, 26, 137, 23}, tahoma(16, true), Qt::AlignHCenter | Qt::AlignTop);

    // The web address: one line under the group boxes, centred across the box.
    QLabel* web = fitted_label(this, "Label10", QStringLiteral("www.parvolis.example"), {0, 255}, tahoma(11, true));
    web->move((width() - web->width()) / 2, web->y());

    auto* licence = new QGroupBox(QStringLiteral("Licence"), this);
    licence->setObjectName(QStringLiteral("GroupBox1"));
    licence->setGeometry(8, 74, 225, 73);
    fitted_label(licence, "Label2", QStringLiteral("Diffusion libre et gratuite."), {14, 24}, tahoma(11));
    fitted_label(licence, "Label3", QStringLiteral("Toute vente est interdite."), {14, 44}, tahoma(11));

    auto* credits = new QGroupBox(QStringLiteral("Droits d'auteur"), this);
    credits->setObjectName(QStringLiteral("GroupBox2"));
    credits->setGeometry(8, 152, 129, 97);
    fitted_label(credits, "Label4", QStringLiteral("© %1").arg(QDate::currentDate().year()), {14, 24}, tahoma(11));
    fitted_label(credits, "Label8", QStringLiteral("Équipe Parvolis"), {14, 40}, tahoma(11));
    fitted_label(credits, "Label6", QStringLiteral("info@parvolis.example"), {14, 56}, tahoma(11));
    fitted_label(credits, "Label9", QStringLiteral("Tous droits réservés"), {14, 72}, tahoma(11));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(152, 160, 81, 89);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    set_cancel_button(this, Button1);

    setTabOrder(licence, credits);
    setTabOrder(credits, Button1);
    Button1->setFocus();
}

void TForm2::showAbout()
{
    if (!shown_before_) {
        centre_on_desktop(this);
        shown_before_ = true;
    }
    show();
    raise();
    activateWindow();
    Button1->setFocus();
}

void TForm2::Button1Click()
{
    hide();
}
