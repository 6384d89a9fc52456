#pragma once
// The About box: product name, edition, version, emblem, licence and credits.
// Created hidden at start-up, shown modeless from the "?" menu, hidden (never
// destroyed) by its OK button, Escape, Enter or Space.

#include <QDialog>

class QPushButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Makes the box visible and brings it to the front; centred on the
    // desktop the first time only.
    void showAbout();

public slots:
    void Button1Click();

private:
    QPushButton* Button1 = nullptr; // "OK"
    bool shown_before_ = false;
};
