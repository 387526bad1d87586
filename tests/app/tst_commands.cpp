// The command table: menu texts, toolbar images and tooltips and the
// context menu's enabling rules.

#include "app/commands.h"

#include <QtTest>

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void menuTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("browse") << int(CmdBrowseFolders) << "&Browse Folders...\tF3";
        QTest::newRow("rename") << int(CmdRenameFiles) << "&Rename Files...\tCtrl+R";
        QTest::newRow("delete") << int(CmdDeleteFiles) << "&Delete Files\tDelete";
        QTest::newRow("edit") << int(CmdEditInformation) << "Edit ZUF Information\tF2";
        QTest::newRow("editor") << int(CmdRunEditor) << "Run &Strumlex\tEnter";
        QTest::newRow("viewer has no key") << int(CmdRunViewer) << "Run &ZUF View";
        QTest::newRow("about") << int(CmdAbout) << "&About ZUF File Manager...\tF1";
        QTest::newRow("options shows F2") << int(CmdOptions) << "ZUF File &Options...\tF2";
    }
    void menuTexts() {
        QFETCH(int, command);
        QFETCH(QString, text);
        QCOMPARE(MenuItemText(command), text);
    }

    void menuOrder() {
        QStringList labels;
        for (int command : MenuEntries())
            labels << (command ? MenuLabel(command) : QStringLiteral("-"));
        QCOMPARE(labels.join(QLatin1Char('|')),
                 QStringLiteral("&Browse Folders...|-|&Rename Files...|&Move Files...|"
                                "&Copy Files...|&Delete Files|&Undo|&Search Files...|-|"
                                "Edit ZUF Information|-|Run &Strumlex|Run &ZUF View|-|"
                                "&About ZUF File Manager...|ZUF File &Options..."));
    }

    void toolbar_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("browse") << int(CmdBrowseFolders) << 0 << "Browse Folders";
        QTest::newRow("move") << int(CmdMoveFiles) << 3 << "Move";
        QTest::newRow("copy") << int(CmdCopyFiles) << 2 << "Copy";
        QTest::newRow("rename") << int(CmdRenameFiles) << 5 << "Rename";
        QTest::newRow("delete") << int(CmdDeleteFiles) << 4 << "Delete";
        QTest::newRow("report") << int(CmdCreateReport) << 6 << "Create report";
        QTest::newRow("edit") << int(CmdEditInformation) << 1 << "Edit ZUF Information";
        QTest::newRow("editor") << int(CmdRunEditor) << 9 << "Run Strumlex";
        QTest::newRow("search") << int(CmdSearch) << 8 << "Search";
        QTest::newRow("filter") << int(CmdFilter) << 7 << "Filter on/off";
        QTest::newRow("options") << int(CmdOptions) << 10 << "ZUF File Options";
        QTest::newRow("exit has a tooltip only") << int(CmdExit) << -1 << "Exit ZUF File";
        QTest::newRow("viewer: neither") << int(CmdRunViewer) << -1 << "";
    }
    void toolbar() {
        QFETCH(int, command);
        QFETCH(int, image);
        QFETCH(QString, tooltip);
        QCOMPARE(ToolbarImage(command), image);
        QCOMPARE(CommandTooltip(command), tooltip);
    }

    void toolbarEntries() {
        const std::vector<int>& entries = ToolbarEntries();
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
        QTest::newRow("move, none") << int(CmdMoveFiles) << 0 << false << false;
        QTest::newRow("move, two") << int(CmdMoveFiles) << 2 << false << true;
        QTest::newRow("edit, two") << int(CmdEditInformation) << 2 << false << true;
        QTest::newRow("editor, two") << int(CmdRunEditor) << 2 << false << false;
        QTest::newRow("editor, one") << int(CmdRunEditor) << 1 << true << true;
        QTest::newRow("viewer, one") << int(CmdRunViewer) << 1 << false << true;
        QTest::newRow("viewer, one, no path") << int(CmdRunViewer) << 1 << true << false;
        QTest::newRow("search, none") << int(CmdSearch) << 0 << true << true;
        QTest::newRow("browse, none") << int(CmdBrowseFolders) << 0 << true << true;
        QTest::newRow("options, none") << int(CmdOptions) << 0 << true << true;
    }
    void contextMenuRules() {
        QFETCH(int, command);
        QFETCH(int, selected);
        QFETCH(bool, viewerEmpty);
        QFETCH(bool, enabled);
        QCOMPARE(ContextMenuEnabled(command, selected, viewerEmpty), enabled);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
