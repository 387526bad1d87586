// libFuzzer target: arbitrary bytes as a rename pattern and a file's title (split at the first
// NUL, each decoded as a file name is, so that lone surrogates come too). A pattern that cannot
// be read names a position inside it; one that can makes names that keep the names rule: every
// folder and the name not empty, without the dropped characters, without leading or trailing
// spaces or trailing dots, no device name, within 250 units and 255 bytes, the extension kept.

#include "fileops/rename_pattern.h"
#include "platform/native_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static void Fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.toUtf8().constData());
    std::abort();
}

static bool Forbidden(QChar c) {
    return QStringView(u"!\"/:;<=>?\\*|").contains(c) || c.unicode() < 0x20 ||
           (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

static void CheckComponent(QStringView component, qsizetype extensionBytes) {
    const QString text = component.toString();
    if (component.isEmpty())
        Fail("an empty folder or name", text);
    for (QChar c : component)
        if (Forbidden(c))
            Fail("a dropped character kept", text);
    if (component.front().isSpace() || component.back().isSpace() || component.back() == u'.')
        Fail("not trimmed", text);
    if (component.size() > 250)
        Fail("longer than 250 units", text);
#ifndef Q_OS_WIN
    if (EncodeFileName(component).size() + extensionBytes > 255)
        Fail("longer than 255 bytes", text);
#else
    (void)extensionBytes;
#endif
    QStringView stem =
        component.left(component.indexOf(u'.') < 0 ? component.size() : component.indexOf(u'.'));
    while (stem.endsWith(u' '))
        stem.chop(1);
    for (const char* device : {"con", "prn", "aux", "nul"})
        if (stem.compare(QLatin1String(device), Qt::CaseInsensitive) == 0)
            Fail("a device name", text);
    if (stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9' &&
        (stem.left(3).compare(QLatin1String("com"), Qt::CaseInsensitive) == 0 ||
         stem.left(3).compare(QLatin1String("lpt"), Qt::CaseInsensitive) == 0))
        Fail("a device name", text);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = DecodeFileName(nul < 0 ? bytes : bytes.left(nul));
    QString error;
    int errorPos = -1;
    const RenamePattern pattern = ParseRenamePattern(text, &error, &errorPos);
    if (!pattern.valid) {
        if (error.isEmpty() || errorPos < 0 || errorPos > text.size())
            Fail("a refusal without a reason or its place", text);
        return 0;
    }
    const QString folder = QStringLiteral("/nonexistent-zuf-fuzz/lib/");
    RenameFacts facts;
    facts.folder = folder;
    facts.name = QStringLiteral("old name.zuf");
    facts.title = nul < 0 ? QString() : DecodeFileName(bytes.mid(nul + 1));
    facts.subtitle = facts.title;
    facts.position = 1;
    RenamePlanOptions options;
    options.baseFolder = QStringLiteral("/nonexistent-zuf-fuzz/base/");
    for (RenameCase rule : {RenameCase::AsIs, RenameCase::Words}) {
        options.nameCase = rule;
        const std::vector<PlannedRename> plan = PlanRenames(pattern, options, {facts});
        if (plan.size() != 1)
            Fail("not one plan for one file", text);
        const PlannedRename& p = plan[0];
        if (p.outcome == RenameOutcome::Empty || p.outcome == RenameOutcome::Bad)
            continue;
        const QString& start = pattern.hasFolders ? options.baseFolder : folder;
        if (!p.newFolder.startsWith(start) || !p.newName.endsWith(QLatin1String(".zuf")))
            Fail("outside its folder or without its extension", p.newPath());
        QStringView folders = QStringView(p.newFolder).mid(start.size());
        if (!folders.isEmpty()) {
            for (QStringView part : folders.chopped(1).split(FolderSeparator()))
                CheckComponent(part, 0);
        }
        CheckComponent(QStringView(p.newName).chopped(4), 4);
    }
    return 0;
}
