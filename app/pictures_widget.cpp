#include "app/pictures_widget.h"

#include <QImageReader>
#include <QString>
#include <array>
#include <span>

// The resources live in the window library, which the programs link statically: they are
// registered by hand before the first picture is loaded.
static void RegisterPictures() {
    Q_INIT_RESOURCE(icons);
}

namespace {

struct Picture {
    const char* file;  // below :/icons/
    const char* theme; // the desktop's name for a picture of the same meaning, or empty
};

// Indexed by the toolbar image number of the command table.
constexpr std::array<Picture, 11> ToolbarPictures = {{
    {"commands/browse-folders", ""},
    {"commands/edit-information", "document-properties"},
    {"commands/copy-files", "edit-copy"},
    {"commands/move-files", ""},
    {"commands/delete-files", "edit-delete"},
    {"commands/rename-files", ""},
    {"commands/create-report", ""},
    {"commands/filter", ""},
    {"commands/search", "edit-find"},
    {"commands/run-editor", ""},
    {"commands/options", ""},
}};

constexpr std::array PicturePngSizes{16, 24, 32};
constexpr std::array ProgramPngSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The SVG file, or, where Qt cannot read SVG (the Windows build brings no SVG plugin), the PNG
// renders of it that lie beside it, `<file>-<size>.png`.
QIcon ResourceIcon(const QString& file, std::span<const int> pngSizes) {
    static const bool svg = [] {
        RegisterPictures();
        return QImageReader::supportedImageFormats().contains("svg");
    }();
    const QString stem = QStringLiteral(":/icons/") + file;
    if (svg)
        return QIcon(stem + QStringLiteral(".svg"));
    QIcon icon;
    for (int size : pngSizes)
        icon.addFile(stem + QStringLiteral("-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon ToolbarIcon(int index) {
    if (index < 0 || index >= int(ToolbarPictures.size()))
        return {};
    const Picture& picture = ToolbarPictures[size_t(index)];
    const QIcon own = ResourceIcon(QLatin1String(picture.file), PicturePngSizes);
    if (*picture.theme == 0)
        return own;
    return QIcon::fromTheme(QLatin1String(picture.theme), own);
}

QIcon StateIcon(StateImage image) {
    switch (image) {
    case StateMatched:
        return ResourceIcon(QStringLiteral("states/matched"), PicturePngSizes);
    case StateUnmatched:
        return ResourceIcon(QStringLiteral("states/unmatched"), PicturePngSizes);
    case StateNormal:
        return ResourceIcon(QStringLiteral("states/normal"), PicturePngSizes);
    case StateBad:
        return ResourceIcon(QStringLiteral("states/bad"), PicturePngSizes);
    case StateNone:
        break;
    }
    return {};
}

QIcon ProgramIcon() {
    return ResourceIcon(QStringLiteral("zuffile"), ProgramPngSizes);
}
