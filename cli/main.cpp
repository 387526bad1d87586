// zuflist: the command-line companion. `zuflist --info FILE...` prints each file's summary;
// every other form catalogues a folder (cli/catalogue_mode.h).

#include "cli/catalogue_mode.h"
#include "cli/info_mode.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <cstdio>

static QString HelpText() {
    return QStringLiteral("Usage:\n") + InfoModeUsage() + u'\n' + CatalogueModeUsage() +
           QStringLiteral("\nzuflist --help\n  Prints this text.\n");
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Arguments are decoded as file names are, so that undecodable bytes survive.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeFileName(QByteArray(argv[i]));
    if (!args.isEmpty() && (args[0] == u"--help" || args[0] == u"-h")) {
        const QByteArray text = HelpText().toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    if (!args.isEmpty() && args[0] == u"--info")
        return RunInfoMode(args.mid(1));
    return RunCatalogueMode(args);
}
