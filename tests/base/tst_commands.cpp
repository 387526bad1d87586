// The command table: menu texts, toolbar images and tooltips and the
// context menu's enabling rules.

#include "base/commands.h"

#include <QtTest>

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void menuTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("browse") << int(CommandId::BrowseFolders) << "&Browse Folders...\tF3";
        QTest::newRow("rename") << int(CommandId::RenameFiles) << "&Rename Files...\tCtrl+R";
        QTest::newRow("rename by pattern")
            << int(CommandId::RenameByPattern) << "Re&name by Pattern...\tCtrl+Shift+R";
        QTest::newRow("delete") << int(CommandId::DeleteFiles) << "&Delete Files\tDelete";
        QTest::newRow("edit") << int(CommandId::EditInformation) << "Edit ZUF Information\tF2";
        QTest::newRow("editor") << int(CommandId::RunEditor) << "Run &Strumlex\tEnter";
        QTest::newRow("viewer has no key") << int(CommandId::RunViewer) << "Run &ZUF View";
        QTest::newRow("about") << int(CommandId::About) << "&About ZUF File Manager...\tF1";
        QTest::newRow("options shows F2") << int(CommandId::Options) << "ZUF File &Options...\tF2";
    }
    void menuTexts() {
        QFETCH(int, command);
        QFETCH(QString, text);
        QCOMPARE(MenuItemText(CommandId(command)), text);
    }

    // The context menu keeps its items; the menu bar adds the filter and the report.
    void menuOrder_data() {
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<QString>("labels");
        QTest::newRow("context menu")
            << false
            << "&Browse Folders...|-|&Rename Files...|Re&name by Pattern...|&Move Files...|&Copy Files...|"
               "&Delete Files|&Undo|&Search Files...|Find Dup&licates...|-|Edit ZUF Information|"
               "&Information from Names...|E&xport List...|-|Run &Strumlex|"
               "Run &ZUF View|-|&About ZUF File Manager...|ZUF File &Options...";
        QTest::newRow("menu bar")
            << true
            << "&Browse Folders...|-|&Rename Files...|Re&name by Pattern...|&Move Files...|&Copy Files...|"
               "&Delete Files|&Undo|&Search Files...|&Filter on/off|Find Dup&licates...|-|Edit ZUF Information|"
               "Create re&port...|&Information from Names...|E&xport List...|-|Run &Strumlex|Run &ZUF View|-|&About ZUF File Manager...|"
               "ZUF File &Options...";
    }
    void menuOrder() {
        QFETCH(bool, menuBar);
        QFETCH(QString, labels);
        QStringList shown;
        for (CommandId command : menuBar ? MenuBarEntries() : MenuEntries())
            shown << (command != CommandId::None ? MenuLabel(command) : QStringLiteral("-"));
        QCOMPARE(shown.join(QLatin1Char('|')), labels);
    }

    void toolbar_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("browse") << int(CommandId::BrowseFolders) << 0 << "Browse Folders";
        QTest::newRow("move") << int(CommandId::MoveFiles) << 3 << "Move";
        QTest::newRow("copy") << int(CommandId::CopyFiles) << 2 << "Copy";
        QTest::newRow("rename") << int(CommandId::RenameFiles) << 5 << "Rename";
        QTest::newRow("delete") << int(CommandId::DeleteFiles) << 4 << "Delete";
        QTest::newRow("report") << int(CommandId::CreateReport) << 6 << "Create report";
        QTest::newRow("edit") << int(CommandId::EditInformation) << 1 << "Edit ZUF Information";
        QTest::newRow("editor") << int(CommandId::RunEditor) << 9 << "Run Strumlex";
        QTest::newRow("search") << int(CommandId::Search) << 8 << "Search";
        QTest::newRow("filter") << int(CommandId::Filter) << 7 << "Filter on/off";
        QTest::newRow("options") << int(CommandId::Options) << 10 << "ZUF File Options";
        QTest::newRow("exit has a tooltip only") << int(CommandId::Exit) << -1 << "Exit ZUF File";
        QTest::newRow("viewer: neither") << int(CommandId::RunViewer) << -1 << "";
    }
    void toolbar() {
        QFETCH(int, command);
        QFETCH(int, image);
        QFETCH(QString, tooltip);
        QCOMPARE(ToolbarImage(CommandId(command)), image);
        QCOMPARE(CommandTooltip(CommandId(command)), tooltip);
    }

    void toolbarEntries() {
        std::vector<int> entries;
        for (CommandId command : ToolbarEntries())
            entries.push_back(int(command));
        QCOMPARE(int(entries.size()), 18);
        QCOMPARE(std::count(entries.begin(), entries.end(), 0), 7L);
        const std::vector<int> buttons = {101, 103, 102, 105, 104, 107, 109, 110, 106, 108, 200};
        std::vector<int> got;
        std::copy_if(entries.begin(), entries.end(), std::back_inserter(got),
                     [](int c) { return c != 0; });
        QVERIFY(got == buttons);
        QCOMPARE(entries.front(), 0);
    }

    void contextMenuRules_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("viewerEmpty");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("move, none") << int(CommandId::MoveFiles) << 0 << false << false;
        QTest::newRow("move, two") << int(CommandId::MoveFiles) << 2 << false << true;
        QTest::newRow("edit, two") << int(CommandId::EditInformation) << 2 << false << true;
        QTest::newRow("from names, none")
            << int(CommandId::InformationFromNames) << 0 << false << false;
        QTest::newRow("from names, two")
            << int(CommandId::InformationFromNames) << 2 << false << true;
        QTest::newRow("editor, two") << int(CommandId::RunEditor) << 2 << false << false;
        QTest::newRow("editor, one") << int(CommandId::RunEditor) << 1 << true << true;
        QTest::newRow("viewer, one") << int(CommandId::RunViewer) << 1 << false << true;
        QTest::newRow("viewer, one, no path") << int(CommandId::RunViewer) << 1 << true << false;
        QTest::newRow("search, none") << int(CommandId::Search) << 0 << true << true;
        QTest::newRow("browse, none") << int(CommandId::BrowseFolders) << 0 << true << true;
        QTest::newRow("options, none") << int(CommandId::Options) << 0 << true << true;
    }
    void contextMenuRules() {
        QFETCH(int, command);
        QFETCH(int, selected);
        QFETCH(bool, viewerEmpty);
        QFETCH(bool, enabled);
        QCOMPARE(ContextMenuEnabled(CommandId(command), selected, viewerEmpty), enabled);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
