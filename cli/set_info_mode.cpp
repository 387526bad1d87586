#include "cli/set_info_mode.h"

#include "cli/info_mode.h"
#include "cli/output.h"
#include "platform/native_file.h"

#include <QCommandLineParser>

namespace {

const QString SetInfoOption = QStringLiteral("set-info");

struct SetInfoField {
    const char* name;
    InfoField field;
};
constexpr SetInfoField SetInfoFields[] = {
    {"title", InfoField::Title},
    {"subtitle", InfoField::Subtitle},
    {"author", InfoField::Subtitle},
    {"comments", InfoField::Comments},
};

} // namespace

QString SetInfoModeUsage() {
    return QStringLiteral(
        "zuflist --set-info FIELD=TEXT [--set-info FIELD=TEXT]... FILE...\n"
        "  Sets the fields of the information block in each FILE and writes one line per\n"
        "  file: the path as given, a tab, and written, unchanged, or why the file was not\n"
        "  written (newer generation, bad or empty, or the system's reason). Only intact\n"
        "  files of the older generation are written; the texts are cut to fit the block as\n"
        "  the information dialog cuts them. FIELD is title, subtitle (also author) or\n"
        "  comments; an empty TEXT empties the field; a field not given keeps each file's\n"
        "  own text. LF in the comments is written as CR LF.\n"
        "  Exit status: 0 when every file was written (or held the texts already), 1 when\n"
        "  any was not, 2 on a usage error or when standard output cannot be written.\n");
}

void AddSetInfoOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(SetInfoOption, QString(), QStringLiteral("FIELD=TEXT")));
}

bool HasSetInfoForm(const QCommandLineParser& parser) {
    return parser.isSet(SetInfoOption);
}

QString TakeSetInfoEdit(const QCommandLineParser& parser, InfoEdit& edit) {
    bool given[InfoFieldCount] = {};
    for (const QString& value : parser.values(SetInfoOption)) {
        const qsizetype equals = value.indexOf(u'=');
        if (equals < 0)
            return QStringLiteral("--set-info takes FIELD=TEXT: ") + value;
        const QStringView name = QStringView(value).left(equals);
        const SetInfoField* known = nullptr;
        for (const SetInfoField& field : SetInfoFields)
            if (name.compare(QLatin1String(field.name), Qt::CaseInsensitive) == 0)
                known = &field;
        if (!known)
            return QStringLiteral("--set-info knows no field ") + name.toString() +
                   QStringLiteral(" (title, subtitle, author, comments)");
        const int field = int(known->field);
        if (given[field])
            return QStringLiteral("--set-info names the field ") + name.toString() +
                   QStringLiteral(" twice");
        given[field] = true;
        edit[size_t(field)] = FieldEdit::set(value.mid(equals + 1));
    }
    return {};
}

int RunSetInfoMode(const InfoEdit& edit, const QStringList& files) {
    if (files.isEmpty()) {
        ErrorText(QStringLiteral("usage:\n") + SetInfoModeUsage());
        return 2;
    }
    int status = 0;
    for (const QString& path : files) {
        const InfoFileStatus saved = SaveInfoFile(path, edit).status;
        if (saved.state != InfoFileState::Written && saved.state != InfoFileState::Unchanged)
            status = 1;
        WriteOutput(EncodeFileName(EscapeValue(path) + u'\t' + InfoFileStatusWord(saved) + u'\n'));
    }
    return FinishOutput(status);
}
