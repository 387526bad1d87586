// libFuzzer target: arbitrary bytes as a settings file. What the reader keeps stays within its
// bounds, and writing it and reading the result again gives back exactly what was kept: the
// program rewrites the file at the end of every run, and no value may change on the way.

#include "settings/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static void Fail(const char* what, const QByteArray& written) {
    std::fprintf(stderr, "%s\nwritten:\n%s\n", what, written.constData());
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QSettings::SettingsMap kept =
        ReadSettingsText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray written = SettingsFileText(kept);
    if (kept.size() > SettingsValueMax)
        Fail("more values kept than the reader's bound", written);
    for (const QVariant& value : kept) {
        if (value.typeId() == QMetaType::QStringList &&
            value.toStringList().size() > SettingsListMax)
            Fail("a longer list kept than the reader's bound", written);
    }
    if (ReadSettingsText(written) != kept)
        Fail("the file written does not read back as what was kept", written);
    return 0;
}
