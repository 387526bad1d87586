#pragma once
// The main window's status bar: four parts whose right edges follow the window's width (see
// StatusPartEdges), each showing one text.

#include <QStatusBar>
#include <array>

class StatusBarWidget : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBarWidget(QWidget* parent = nullptr);

    void setPartText(int part, const QString& text); // parts 0 to 3; others are ignored
    QString partText(int part) const;
    std::array<int, 4> partEdges() const; // right edges for the current width
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QString, 4> m_texts;
};
