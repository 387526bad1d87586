#pragma once
// A one-line label for a file name or a path, which may be longer than the screen is wide.

#include <QLabel>

// Shows its text whole when it fits; otherwise shortened in the middle, where a path tells
// least, with the whole text as its tooltip. It asks for its whole text's width, but can be made
// as narrow as a few characters: the dialog around it then opens no wider than the window system
// lets a new window be (two thirds of the screen), with its buttons on the screen. Its text is
// the whole text: the label is given it once, when it is made.
class PathLabel : public QLabel {
public:
    PathLabel(const QString& text, QWidget* parent);

    // The text as the label shows it at its present width.
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect textArea() const;
};
