// The dialogs of the file commands on the offscreen platform: the confirmation's buttons, the
// destination dialog with its history, typed default, browser and new folder, and the rename
// dialog with its tools, its check box and its refusal of names that leave the folder.

#include "dialog_test_support.h"
#include "file_test_support.h"

#include "fileops/confirmation_dialog.h"
#include "fileops/destination.h"
#include "fileops/destination_dialog.h"
#include "fileops/folder_history.h"
#include "fileops/pattern_rename_dialog.h"
#include "fileops/rename.h"
#include "fileops/rename_dialog.h"

#include "base/path_label_widget.h"
#include "base/program_info.h"
#include "fileops/file_commands_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace test_support;
using namespace dialog_support;

class TestFileDialogsWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    UndoRecord m_undo;
    QString m_work;
    FolderHistory m_history;
    std::unique_ptr<Session> m_s;

    DestinationPlace place() { return {m_s->destFolder, m_s->workingFolder}; }

    // A session of n files in a fresh working folder, and an empty destination outside it.
    QString freshBatch(int n) {
        m_work = FreshLibraryFolder(m_dir.path(), n);
        m_s = LoadSession(m_work, n);
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/dest"));
        QDir(dest).removeRecursively();
        QDir().mkpath(dest);
        m_s->destFolder = dest;
        return dest;
    }

private slots:
    void init() {
        m_work = FreshLibraryFolder(m_dir.path(), 2);
        QVERIFY(!m_work.isEmpty());
        m_s = LoadSession(m_work, 2);
        m_history = FolderHistory{};
    }

    void confirmationButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("All") << "&All" << int(DialogAnswer::All);
        QTest::newRow("No") << "&No" << int(DialogAnswer::No);
        QTest::newRow("Cancel") << "Cancel" << int(DialogAnswer::Cancel);
        QTest::newRow("Yes") << "&Yes" << int(DialogAnswer::Yes);
    }
    void confirmationButtons() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        ConfirmationDialog dialog(nullptr, QStringLiteral("Move to /m/folk/?"),
                                  QStringLiteral("/m/a&b.zuf"));
        QVERIFY(ShowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirmation"));
        QCOMPARE(ButtonTexts(&dialog), (QStringList{"&All", "&No", "Cancel", "&Yes"}));
        QCOMPARE(dialog.findChild<QLabel*>("question")->text(), "Move to /m/folk/?");
        QCOMPARE(dialog.findChild<QLabel*>("path")->text(), "/m/a&b.zuf");
        QTest::mouseClick(Button(&dialog, button), Qt::LeftButton);
        QCOMPARE(dialog.result(), answer);
    }

    void confirmationKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(DialogAnswer::Yes);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(DialogAnswer::Cancel);
    }
    void confirmationKeys() {
        QFETCH(int, key);
        QFETCH(int, answer);
        ConfirmationDialog dialog(nullptr, QStringLiteral("Delete?"), QStringLiteral("/m/a.zuf"));
        QVERIFY(ShowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(dialog.result(), answer);
    }

    // A name or path too long for the screen is shortened in the middle and whole in its
    // tooltip, and the dialog with every button stays on the screen; a short one shows whole.
    void longPathsFitTheScreen_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("length"); // of the name or path
        QTest::newRow("confirmation: the file") << "confirmation"
                                                << "path" << 900;
        QTest::newRow("confirmation: the folder asked about") << "confirmation"
                                                              << "question" << 900;
        QTest::newRow("rename: the name") << "rename"
                                          << "currentName" << 255;
        QTest::newRow("create directory: the root") << "new folder"
                                                    << "root" << 900;
        QTest::newRow("a short path shows whole") << "confirmation"
                                                  << "path" << 20;
    }
    void longPathsFitTheScreen() {
        QFETCH(QString, dialog);
        QFETCH(QString, label);
        QFETCH(int, length);
        const QString head = QStringLiteral("/head/");
        const QString tail = QStringLiteral("/tail.zuf");
        const QString text = head + QString(length - 15, QLatin1Char('m')) + tail;
        QString whole = text;
        std::unique_ptr<QDialog> shown;
        ScriptedDialogs dialogs;
        FileSummary current = FileOfRow(m_s->list, 1);
        if (dialog == QLatin1String("rename")) {
            current.currentEntry.name = text;
            shown = std::make_unique<RenameFileDialog>(nullptr, dialogs, current, m_s->list,
                                                       m_s->renameFlags);
        } else if (dialog == QLatin1String("new folder")) {
            m_s->destFolder = text;
            shown = std::make_unique<NewFolderDialog>(nullptr, place());
        } else if (label == QLatin1String("question")) {
            whole = QStringLiteral("Move to %1?").arg(text);
            shown = std::make_unique<ConfirmationDialog>(nullptr, whole, QStringLiteral("/m/a"));
        } else {
            shown = std::make_unique<ConfirmationDialog>(nullptr, QStringLiteral("Delete?"), text);
        }
        QVERIFY(ShowActive(shown.get()));
        const QRect screen = shown->screen()->availableGeometry();
        QVERIFY2(shown->width() <= screen.width(), qPrintable(QString::number(shown->width())));
        for (QPushButton* button : shown->findChildren<QPushButton*>()) {
            const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
            QVERIFY2(screen.contains(place), qPrintable(button->text()));
        }
        const auto* line = dynamic_cast<PathLabel*>(shown->findChild<QLabel*>(label));
        QVERIFY(line);
        QCOMPARE(line->text(), whole);
        if (length < 100) {
            QCOMPARE(line->shownText(), whole);
            QCOMPARE(line->toolTip(), QString());
            return;
        }
        const QString seen = line->shownText();
        QVERIFY2(seen.contains(QChar(0x2026)), qPrintable(seen));
        QVERIFY2(seen.startsWith(whole.left(head.size() + 1)) &&
                     seen.endsWith(whole.right(tail.size())),
                 qPrintable(seen));
        QVERIFY(line->fontMetrics().horizontalAdvance(seen) <= line->width());
        QCOMPARE(line->toolTip(), whole);
    }

    void destinationOpensOnTheWorkingFolderWithTheHistory() {
        QString a = QStringLiteral("/m/a"), b = QStringLiteral("/m/b");
        AddToFolderHistory(m_history, b);
        AddToFolderHistory(m_history, a);
        DestinationDialog dialog(nullptr, QStringLiteral("Move"), QString(), m_history, place());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Move"));
        QCOMPARE(dialog.folderBox()->currentText(), m_work);
        QCOMPARE(dialog.folderBox()->count(), 2);
        QCOMPARE(dialog.folderBox()->itemText(0), NormalisedFolder(a));
        QCOMPARE(dialog.folderBox()->itemText(1), NormalisedFolder(b));
        QCOMPARE(ButtonTexts(&dialog), (QStringList{"New Folder...", "Browse...", "Cancel", "OK"}));
    }

    void typedTextBecomesTheNextDefault_data() {
        QTest::addColumn<QString>("button"); // empty: the key, typed in the folder box
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "OK" << 0 << int(QDialog::Accepted);
        QTest::newRow("Cancel") << "Cancel" << 0 << int(QDialog::Rejected);
        QTest::newRow("Enter") << "" << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Esc") << "" << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void typedTextBecomesTheNextDefault() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, result);
        const QString typed = m_dir.path() + QStringLiteral("/Temp");
        {
            DestinationDialog dialog(nullptr, QStringLiteral("Copy"), QString(), m_history,
                                     place());
            QVERIFY(ShowActive(&dialog));
            dialog.folderBox()->setCurrentText(typed);
            if (button.isEmpty())
                QTest::keyClick(dialog.folderBox()->lineEdit(), Qt::Key(key));
            else
                QTest::mouseClick(Button(&dialog, button), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), result);
        }
        QCOMPARE(m_s->destFolder, NormalisedFolder(typed));
        DestinationDialog next(nullptr, QStringLiteral("Copy"), QString(), m_history, place());
        QCOMPARE(next.folderBox()->currentText(), NormalisedFolder(typed));
        QVERIFY(m_history.entries.empty()); // a destination is not added to the history
    }

    void relativeAndEmptyDestinations() {
        DestinationDialog dialog(nullptr, QStringLiteral("Copy"), QString(), m_history, place());
        dialog.folderBox()->setCurrentText(QStringLiteral("folk"));
        dialog.accept();
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(m_s->destFolder, m_work + QStringLiteral("folk") + FolderSeparator());
        DestinationDialog empty(nullptr, QStringLiteral("Copy"), QString(), m_history, place());
        empty.folderBox()->setCurrentText(QString());
        empty.accept();
        QCOMPARE(empty.result(), QDialog::Rejected); // nowhere to go: nothing is moved or copied
    }

    // A destination deeper than 255 characters is taken whole, never cut into another folder.
    void longDestinationIsKeptWhole() {
        const QString deep = m_dir.path() + QLatin1Char('/') + QString(120, QLatin1Char('d')) +
                             QLatin1Char('/') + QString(120, QLatin1Char('e')) +
                             QStringLiteral("/f");
        m_s->destFolder = NormalisedFolder(deep);
        DestinationDialog dialog(nullptr, QStringLiteral("Copy"), QString(), m_history, place());
        QCOMPARE(dialog.folderBox()->currentText(), NormalisedFolder(deep));
        dialog.accept();
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(m_s->destFolder, NormalisedFolder(deep));
    }

    void browseStartsFromTheDestination() {
        m_s->destFolder = m_work;
        DestinationDialog dialog(nullptr, QStringLiteral("Move"), QString(), m_history, place());
        QString startedAt;
        const QString chosen = m_dir.path() + QStringLiteral("/Chosen");
        dialog.chooseFolder = [&](QWidget*, const QString& start) {
            startedAt = start;
            return chosen;
        };
        dialog.folderBox()->setCurrentText(QStringLiteral("typed but not taken"));
        QTest::mouseClick(Button(&dialog, QStringLiteral("Browse...")), Qt::LeftButton);
        QCOMPARE(startedAt, m_work);
        QCOMPARE(dialog.folderBox()->currentText(), NormalisedFolder(chosen));
        QCOMPARE(m_history.entries.front(), NormalisedFolder(chosen));
        QCOMPARE(dialog.folderBox()->count(), 0); // the box's own list is not refilled
    }

    // A folder that is made becomes the destination; one that cannot be made is reported in the
    // system's words, keeps the dialog open and leaves the destination as it was.
    void newFolderRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // below the working folder
        QTest::addColumn<int>("error");
        QTest::newRow("named") << "Folk Songs"
                               << "Folk Songs/" << 0;
        QTest::newRow("empty name: the root itself") << ""
                                                     << "" << 0;
        // Making a folder where a file stands fails with the code a rename onto it gives.
        QTest::newRow("name taken by a file") << NameOf(0) << "" << RenameExistsError;
        QTest::newRow("parent missing") << "missing/inner"
                                        << "" << NoFolderError;
    }
    void newFolderRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(int, error);
        DestinationDialog dialog(nullptr, QStringLiteral("Copy"), QString(), m_history, place());
        QString rootShown, message, caption;
        dialog.runNewFolder = [&](QWidget* owner) {
            NewFolderDialog create(owner, place());
            QCOMPARE(create.windowTitle(), QStringLiteral("Create Directory"));
            rootShown = create.rootLabel()->text();
            create.nameField()->setText(name);
            WhenOpen<QMessageBox>([&](QMessageBox* box) {
                message = box->text();
                caption = box->windowTitle();
                box->accept();
            });
            QTest::mouseClick(Button(&create, QStringLiteral("OK")), Qt::LeftButton);
            QCOMPARE(create.result(), error ? 0 : 1);
        };
        QTest::mouseClick(Button(&dialog, QStringLiteral("New Folder...")), Qt::LeftButton);
        QCOMPARE(rootShown, m_work);
        const QString made = NormalisedFolder(m_work + expected);
        QCOMPARE(dialog.folderBox()->currentText(), made);
        QCOMPARE(m_s->destFolder, made);
        QVERIFY(QFileInfo(made).isDir());
        if (error) {
            const QString tried =
                NormalisedFolder(m_work + QString(name).replace(u'/', FolderSeparator()));
            QCOMPARE(message, SystemErrorText(error) + u'\n' + tried);
            QCOMPARE(caption, ProgramCaption.toString());
        } else {
            QVERIFY(message.isEmpty());
        }
    }

    void newFolderCancelKeepsTheDestination_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Esc") << true;
        QTest::newRow("Cancel") << false;
    }
    void newFolderCancelKeepsTheDestination() {
        QFETCH(bool, byKey);
        m_s->destFolder = m_work;
        NewFolderDialog create(nullptr, place());
        QVERIFY(ShowActive(&create));
        create.nameField()->setText(QStringLiteral("never"));
        if (byKey)
            QTest::keyClick(create.nameField(), Qt::Key_Escape);
        else
            QTest::mouseClick(Button(&create, QStringLiteral("Cancel")), Qt::LeftButton);
        QCOMPARE(create.result(), QDialog::Rejected);
        QCOMPARE(m_s->destFolder, m_work);
        QVERIFY(!QFileInfo::exists(m_work + QStringLiteral("never")));
    }

    // Each caption's key reaches the name field: the root itself takes no focus.
    void newFolderCaptionKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Alt+R, Root") << int(Qt::Key_R);
        QTest::newRow("Alt+N, New Folder") << int(Qt::Key_N);
    }
    void newFolderCaptionKeys() {
        QFETCH(int, key);
        NewFolderDialog create(nullptr, place());
        QVERIFY(ShowActive(&create));
        QPushButton* ok = Button(&create, QStringLiteral("OK"));
        ok->setFocus();
        QTRY_VERIFY(ok->hasFocus());
        QTest::keyClick(&create, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(create.nameField()->hasFocus());
        QVERIFY(create.isVisible());
    }

    void renameDialogRenames() {
        const FileSummary current = FileOfRow(m_s->list, 1);
        ScriptedDialogs dialogs;
        RenameFileDialog dialog(nullptr, dialogs, current, m_s->list, m_s->renameFlags);
        QVERIFY(ShowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Rename File"));
        QCOMPARE(dialog.findChild<QLabel*>("currentName")->text(), NameOf(1));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Title 1.zuf"));
        QCOMPARE(dialog.nameField()->maxLength(), 255);
        QVERIFY(dialog.nameField()->hasFocus());
        QTest::keyClick(dialog.nameField(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(DialogAnswer::Yes));
        QCOMPARE(dialog.newName(), QStringLiteral("Title 1.zuf"));
        QVERIFY(QFile::exists(m_work + QStringLiteral("Title 1.zuf")));
        QVERIFY(!QFile::exists(m_work + NameOf(1)));
    }

    void renameDialogTools_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("ABC on the selection") << "blue moon.zuf" << 5 << 4 << "ABC"
                                              << "blue MOON.zuf";
        QTest::newRow("Abc on all") << "BLUE MOON.zuf" << 0 << 13 << "Abc"
                                    << "Blue Moon.Zuf";
        QTest::newRow("abc") << "BLUE.zuf" << 0 << 4 << "abc"
                             << "blue.zuf";
        QTest::newRow("Move First Word") << "Smith Blue Moon.tab" << 0 << 0 << "Move First &Word"
                                         << "Blue Moon (Smith).zuf";
    }
    void renameDialogTools() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, button);
        QFETCH(QString, result);
        const FileSummary current = FileOfRow(m_s->list, 0);
        ScriptedDialogs dialogs;
        RenameFileDialog dialog(nullptr, dialogs, current, m_s->list, m_s->renameFlags);
        QVERIFY(ShowActive(&dialog));
        QLineEdit* field = dialog.nameField();
        field->setText(text);
        field->setSelection(start, length);
        QTest::mouseClick(Button(&dialog, button), Qt::LeftButton);
        QCOMPARE(field->text(), result);
        if (length > 0 && button != "Move First &Word") {
            QCOMPARE(field->selectionStart(), start);
            QCOMPARE(field->selectedText().size(), length);
        }
        QVERIFY(dialog.isVisible()); // the tools never close the dialog
    }

    void renameDialogToolsWaitForTheFieldToLoseFocus() {
        const FileSummary current = FileOfRow(m_s->list, 0);
        ScriptedDialogs dialogs;
        RenameFileDialog dialog(nullptr, dialogs, current, m_s->list, m_s->renameFlags);
        dialog.nameField()->setText(QStringLiteral("abc"));
        Button(&dialog, QStringLiteral("ABC"))->click(); // no focus was ever taken
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("abc"));
    }

    void renameDialogRefusesANameThatLeavesTheFolder() {
        const FileSummary current = FileOfRow(m_s->list, 0);
        const Snapshot before = TakeSnapshot(m_dir.path());
        ScriptedDialogs dialogs;
        RenameFileDialog dialog(nullptr, dialogs, current, m_s->list, m_s->renameFlags);
        QVERIFY(ShowActive(&dialog));
        const QString name = QStringLiteral("..") + FolderSeparator() + QStringLiteral("x.zuf");
        dialog.nameField()->setText(name);
        QTest::mouseClick(Button(&dialog, QStringLiteral("OK")), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList{NameRefusedText(name)});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.nameField()->text(), name);
        QCOMPARE(TakeSnapshot(m_dir.path()), before);
    }

    void renameCheckBoxIsTakenOnlyOnOk_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("flags");
        QTest::newRow("OK") << "OK" << int(DialogAnswer::Yes) << 1;
        QTest::newRow("Skip") << "&Skip" << int(DialogAnswer::No) << 0;
        QTest::newRow("Cancel") << "Cancel" << int(DialogAnswer::Cancel) << 0;
    }
    void renameCheckBoxIsTakenOnlyOnOk() {
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(int, flags);
        const FileSummary current = FileOfRow(m_s->list, 0);
        ScriptedDialogs dialogs;
        RenameFileDialog dialog(nullptr, dialogs, current, m_s->list, m_s->renameFlags);
        QVERIFY(ShowActive(&dialog));
        QVERIFY(!dialog.checkBox()->isChecked());
        QCOMPARE(dialog.checkBox()->text(), QStringLiteral("Check duplicated names"));
        dialog.checkBox()->setChecked(true);
        QTest::mouseClick(Button(&dialog, button), Qt::LeftButton);
        QCOMPARE(dialog.result(), result);
        QCOMPARE(int(m_s->renameFlags), flags);
    }

    void commandsThroughTheWindow_data() {
        QTest::addColumn<CommandId>("command");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("gone");
        QTest::newRow("delete, Yes") << CommandId::DeleteFiles << "&Yes" << true;
        QTest::newRow("delete, No") << CommandId::DeleteFiles << "&No" << false;
        QTest::newRow("move, All") << CommandId::MoveFiles << "&All" << true;
    }
    void commandsThroughTheWindow() {
        QFETCH(CommandId, command);
        QFETCH(QString, button);
        QFETCH(bool, gone);
        if (command == CommandId::DeleteFiles && gone)
            SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/dest"));
        QDir(dest).removeRecursively();
        QDir().mkpath(dest);
        SelectRows(m_s->list, {0});
        m_s->destFolder = dest;
        QString question;
        WhenOpen<ConfirmationDialog>([&](ConfirmationDialog* dialog) {
            question = dialog->findChild<QLabel*>("question")->text();
            QTest::mouseClick(Button(dialog, button), Qt::LeftButton);
        });
        RunFileBatchCommand(nullptr, command, m_s->request(FileCommandVerb(command)), m_s->list,
                            m_s->renameFlags, m_s->window, m_undo);
        QCOMPARE(question, ConfirmationQuestion(command, m_s->request(FileCommandVerb(command))));
        QCOMPARE(QFile::exists(m_work + NameOf(0)), !gone);
        QCOMPARE(QFile::exists(dest + NameOf(0)), gone && command == CommandId::MoveFiles);
    }

    void fileErrorShowsTheSystemText() {
        SelectRows(m_s->list, {1});
        m_s->destFolder = m_work;
        QString text, caption;
        int icon = -1;
        WhenOpen<ConfirmationDialog>([&](ConfirmationDialog* dialog) {
            WhenOpen<QMessageBox>([&](QMessageBox* box) {
                text = box->text();
                caption = box->windowTitle();
                icon = box->icon();
                box->accept();
            });
            dialog->done(int(DialogAnswer::Yes));
        });
        RunFileBatchCommand(nullptr, CommandId::CopyFiles, m_s->request(QStringLiteral("Copy")),
                            m_s->list, m_s->renameFlags, m_s->window, m_undo);
        const QString path = m_work + NameOf(1);
        QCOMPARE(text, SystemErrorText(CopyExistsError) + QStringLiteral("\nCan't copy: ") + path +
                           QStringLiteral("\nTo: ") + path);
        QCOMPARE(caption, ProgramCaption.toString());
        QCOMPARE(icon, int(QMessageBox::Information));
        QCOMPARE(m_s->list.rowCount(), 2);
    }

    // Where the trash cannot take the file, the question whether to delete it for good
    // answers No to Enter: a key pressed a moment too long after the confirmation keeps it.
    void deleteForGoodAnswersNoToEnter() {
#ifdef Q_OS_WIN
        QSKIP("the Recycle Bin cannot be made to refuse a file here");
#endif
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(WriteSampleFile(blocker, QByteArray("x"))); // no trash can be made below it
        qputenv("XDG_DATA_HOME", blocker.toUtf8());
        SelectRows(m_s->list, {0});
        QString text, defaultButton;
        WhenOpen<ConfirmationDialog>([&](ConfirmationDialog* dialog) {
            WhenOpen<QMessageBox>([&](QMessageBox* box) {
                text = box->text();
                defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
                QTest::keyClick(box, Qt::Key_Return);
            });
            dialog->done(int(DialogAnswer::Yes));
        });
        RunFileBatchCommand(nullptr, CommandId::DeleteFiles, m_s->request(QStringLiteral("Delete")),
                            m_s->list, m_s->renameFlags, m_s->window, m_undo);
        qputenv("XDG_DATA_HOME", home);
        QCOMPARE(text, NoTrashText(m_work + NameOf(0), ENOTDIR));
        QCOMPARE(defaultButton, QStringLiteral("&No"));
        QVERIFY(QFile::exists(m_work + NameOf(0)));
        QCOMPARE(m_s->list.rowCount(), 2);
    }

    // Rename by Pattern through its dialog: the preview follows the typing (a pattern that
    // cannot be read says why, files that would get one name are refused, and neither can
    // run), Rename files the three below the working folder by author, the rows follow and the
    // pattern is remembered, and one Undo puts every file and folder back.
    void renameByPattern() {
        freshBatch(3);
        const Snapshot before = TakeSnapshot(m_work);
        SelectRows(m_s->list, {0, 1, 2});
        QStringList recent{QStringLiteral("%title%")};
        QStringList seen;
        const auto outcomes = [](const PatternRenameDialog* dialog) {
            QStringList texts;
            const RenamePreviewModel* preview = dialog->preview();
            for (int row = 0; row < preview->rowCount(); ++row)
                texts << preview->index(row, RenamePreviewModel::Outcome).data().toString();
            return texts.join(u'|');
        };
        const auto type = [](PatternRenameDialog* dialog, const QString& pattern) {
            dialog->patternBox()->setEditText(pattern);
            QTRY_VERIFY(!dialog->planPending());
        };
        WhenOpen<PatternRenameDialog>([&](PatternRenameDialog* dialog) {
            seen << dialog->patternBox()->currentText();
            type(dialog, QStringLiteral("%nope%"));
            seen << QString::number(!dialog->errorLabel()->text().isEmpty()) +
                        QString::number(dialog->renameButton()->isEnabled());
            type(dialog, QStringLiteral("same"));
            seen << outcomes(dialog) + QString::number(dialog->renameButton()->isEnabled());
            type(dialog, QStringLiteral("%author%/%title%"));
            seen << outcomes(dialog);
            QTest::mouseClick(dialog->renameButton(), Qt::LeftButton);
        });
        RunPatternRenameCommand(nullptr, m_s->list, recent, m_history, m_work, m_undo, 0);
        const QString conflict = RenameOutcomeText(RenameOutcome::Conflict);
        QCOMPARE(seen, (QStringList{"%title%", "10", QStringList(3, conflict).join(u'|') + "0",
                                    "Move|Move|Move"}));
        QStringList rows;
        for (int i = 0; i < 3; ++i) {
            const QString folder = m_work + QStringLiteral("Author %1/").arg(i);
            QVERIFY(QFile::exists(folder + TitleOf(i) + QStringLiteral(".zuf")));
            QVERIFY(!QFile::exists(m_work + NameOf(i)));
            rows << m_s->list.entryAt(i)->folder + m_s->list.entryAt(i)->name;
        }
        rows.sort();
        QStringList expected;
        for (int i = 0; i < 3; ++i) // folders as the list keeps them (lower case on Windows)
            expected << NormalisedFolder(m_work + QStringLiteral("Author %1").arg(i)) + TitleOf(i) +
                            QStringLiteral(".zuf");
        QCOMPARE(rows, expected);
        QCOMPARE(recent, (QStringList{"%author%/%title%", "%title%"}));
        RunUndoCommand(nullptr, m_s->list, m_undo);
        QCOMPARE(TakeSnapshot(m_work), before);
        QVERIFY(!QDir(m_work + QStringLiteral("Author 0")).exists());
        QCOMPARE(RowNames(m_s->list), (QStringList{NameOf(0), NameOf(1), NameOf(2)}));
    }

    // Six files moved under All, the progress shown at once: its Cancel after three files
    // leaves three moved and their rows gone, and one Undo brings them back.
    void progressCancelStopsTheBatch() {
        const QString dest = freshBatch(6);
        const Snapshot before = TakeSnapshot(m_work);
        SelectRows(m_s->list, {0, 1, 2, 3, 4, 5});
        int maximum = -1, modality = -1;
        QString label, tip;
        const auto confirm = WhileOpen<ConfirmationDialog>([](ConfirmationDialog* dialog) {
            QTest::mouseClick(Button(dialog, QStringLiteral("&All")), Qt::LeftButton);
        });
        const auto progress = WhileOpen<QProgressDialog>([&](QProgressDialog* dialog) {
            if (dialog->value() < 3 || maximum >= 0)
                return;
            maximum = dialog->maximum();
            modality = int(dialog->windowModality());
            label = dialog->findChild<QLabel*>()->text();
            tip = dialog->findChild<QLabel*>()->toolTip();
            QTest::mouseClick(Button(dialog, QStringLiteral("Cancel")), Qt::LeftButton);
        });
        RunFileBatchCommand(nullptr, CommandId::MoveFiles, m_s->request(QStringLiteral("Move")),
                            m_s->list, m_s->renameFlags, m_s->window, m_undo, 0);
        QCOMPARE(maximum, 6);
        QCOMPARE(modality, int(Qt::WindowModal));
        QCOMPARE(tip, m_work + NameOf(3));
        QVERIFY(label.endsWith(NameOf(3)));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(QFile::exists(dest + NameOf(i)), i < 3);
        QCOMPARE(RowNames(m_s->list), (QStringList{NameOf(3), NameOf(4), NameOf(5)}));
        RunUndoCommand(nullptr, m_s->list, m_undo);
        QCOMPARE(TakeSnapshot(m_work), before);
        QVERIFY(TakeSnapshot(dest).isEmpty());
    }

    // Three files copied under All where the first two names are taken: the error box offers
    // Stop, which (also Esc) ends the batch; OK goes on with the next file.
    void errorUnderAllOffersStop_data() {
        QTest::addColumn<QString>("button"); // empty: Esc
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("lastCopied");
        QTest::newRow("Stop") << "&Stop" << 1 << false;
        QTest::newRow("Esc") << "" << 1 << false;
        QTest::newRow("OK") << "OK" << 2 << true;
    }
    void errorUnderAllOffersStop() {
        QFETCH(QString, button);
        QFETCH(int, boxes);
        QFETCH(bool, lastCopied);
        const QString dest = freshBatch(3);
        for (int i : {0, 1})
            QVERIFY(WriteSampleFile(dest + NameOf(i), QByteArray("taken")));
        SelectRows(m_s->list, {0, 1, 2});
        QStringList texts, buttons;
        QString caption;
        const auto confirm = WhileOpen<ConfirmationDialog>([](ConfirmationDialog* dialog) {
            QTest::mouseClick(Button(dialog, QStringLiteral("&All")), Qt::LeftButton);
        });
        const auto error = WhileOpen<QMessageBox>([&](QMessageBox* box) {
            texts << box->text();
            buttons = ButtonTexts(box);
            caption = box->windowTitle();
            if (button.isEmpty())
                QTest::keyClick(box, Qt::Key_Escape);
            else if (QPushButton* chosen = Button(box, button))
                QTest::mouseClick(chosen, Qt::LeftButton);
            else
                box->reject(); // no such button: the texts compared below tell
        });
        RunFileBatchCommand(nullptr, CommandId::CopyFiles, m_s->request(QStringLiteral("Copy")),
                            m_s->list, m_s->renameFlags, m_s->window, m_undo);
        QCOMPARE(texts.size(), boxes);
        QCOMPARE(texts.first(), FileErrorText(CopyExistsError, m_work + NameOf(0), dest + NameOf(0)));
        QCOMPARE(buttons, (QStringList{"OK", "&Stop"}));
        QCOMPARE(caption, ProgramCaption.toString());
        QCOMPARE(QFile::exists(dest + NameOf(2)), lastCopied);
        QCOMPARE(m_s->list.rowCount(), lastCopied ? 4 : 3);
    }

    void renameCommandThroughTheWindow() {
        SelectRows(m_s->list, {0});
        WhenOpen<RenameFileDialog>([](RenameFileDialog* dialog) {
            dialog->nameField()->setText(QStringLiteral("renamed.zuf"));
            dialog->accept();
        });
        RunFileBatchCommand(nullptr, CommandId::RenameFiles, m_s->request(QString()), m_s->list,
                            m_s->renameFlags, m_s->window, m_undo);
        QCOMPARE(m_s->list.entryAt(0)->name, QStringLiteral("renamed.zuf"));
        QVERIFY(QFile::exists(m_work + QStringLiteral("renamed.zuf")));
    }

    void inPlaceRenameThroughTheWindow() {
        QVERIFY(EndLabelEdit(m_s->list, 1, QStringLiteral("edited.zuf"), m_s->renameFlags, m_undo));
        QCOMPARE(m_s->list.entryAt(1)->name, QStringLiteral("edited.zuf"));
        QVERIFY(QFile::exists(m_work + QStringLiteral("edited.zuf")));
        QVERIFY(!EndLabelEdit(m_s->list, 1, QString(), m_s->renameFlags, m_undo));
        QCOMPARE(m_s->list.entryAt(1)->name, QStringLiteral("edited.zuf"));
    }
};

QTEST_MAIN(TestFileDialogsWindow)
#include "tst_file_dialogs_window.moc"
