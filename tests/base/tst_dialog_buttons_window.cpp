// The dialogs' button boxes keep the program's one order, OK before Cancel, under a style whose
// desktop orders dialog buttons otherwise.

#include "base/dialog_buttons_widget.h"

#include <QApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <map>

namespace {

// A style that asks for the given desktop's button order.
class ButtonLayoutStyle : public QProxyStyle {
public:
    explicit ButtonLayoutStyle(int layout)
        : QProxyStyle(QStringLiteral("Fusion")), m_layout(layout) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonLayout)
            return m_layout;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

private:
    int m_layout;
};

// The texts of the box's buttons as they stand on screen, from left or from the top. The
// buttons go in out of order, so that the box alone decides the order.
QStringList ShownOrder(QDialogButtonBox* box) {
    auto* window = new QWidget;
    box->setParent(window);
    (new QVBoxLayout(window))->addWidget(box);
    box->addButton(QStringLiteral("Defaults"), QDialogButtonBox::ResetRole);
    box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    box->addButton(QStringLiteral("Skip"), QDialogButtonBox::NoRole);
    box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    std::map<int, QString> order;
    for (QAbstractButton* button : box->buttons())
        order[box->orientation() == Qt::Horizontal ? button->x() : button->y()] = button->text();
    delete window;
    QStringList texts;
    for (const auto& [place, text] : order)
        texts << text;
    return texts;
}

} // namespace

class TestDialogButtons : public QObject {
    Q_OBJECT

private slots:
    void windowsOrderOnEveryDesktop_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<QStringList>("expected");
        const QStringList row = {"Defaults", "OK", "Skip", "Cancel"};
        const QStringList column = {"OK", "Skip", "Cancel", "Defaults"};
        QTest::newRow("KDE row") << int(QDialogButtonBox::KdeLayout) << Qt::Horizontal << row;
        QTest::newRow("GNOME row") << int(QDialogButtonBox::GnomeLayout) << Qt::Horizontal << row;
        QTest::newRow("KDE column") << int(QDialogButtonBox::KdeLayout) << Qt::Vertical << column;
        QTest::newRow("GNOME column")
            << int(QDialogButtonBox::GnomeLayout) << Qt::Vertical << column;
    }
    void windowsOrderOnEveryDesktop() {
        QFETCH(int, layout);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(QStringList, expected);
        QApplication::setStyle(new ButtonLayoutStyle(layout));
        // A plain box follows the desktop: the style is in effect.
        QVERIFY(ShownOrder(new QDialogButtonBox(orientation)) != expected);
        QCOMPARE(ShownOrder(DialogButtons(nullptr, orientation)), expected);
    }
};

QTEST_MAIN(TestDialogButtons)
#include "tst_dialog_buttons_window.moc"
