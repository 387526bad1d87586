#pragma once
// The main window's status bar: four labels whose right edges follow the window's width (see
// StatusPartEdges), each showing one text.

#include <QStatusBar>
#include <array>

class QLabel;

class StatusBarWidget : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBarWidget(QWidget* parent = nullptr);

    void setPartText(int part, const QString& text); // parts 0 to 3; others are ignored
    QString partText(int part) const;
    std::array<int, 4> partEdges() const; // right edges of the labels as they are placed
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeParts();

    std::array<QLabel*, 4> m_parts{};
};
