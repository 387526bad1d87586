#include "cli/output.h"

#include "platform/native_file.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#endif

// The system error code of the first failed write, 0 while every write succeeded.
static int& outputError() {
    static int error = 0;
    return error;
}

static void NoteFailure() {
    if (outputError() == 0)
        outputError() = errno != 0 ? errno : EIO;
}

void PrepareStandardStreams() {
#ifdef Q_OS_WIN
    // The output is the bytes written, on every system: a text-mode stream would turn each
    // LF into CR LF, and the report's own CR LF into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (fd == 1)
            outputError() = EBADF;
        // The lowest free number is this one, as the ones below are open.
        ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    }
#endif
}

void WriteOutput(QByteArrayView bytes) {
    if (outputError() != 0 || bytes.isEmpty())
        return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        NoteFailure();
}

void ErrorText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

void ErrorLine(const QString& message) {
    ErrorText(QStringLiteral("zuflist: ") + message + u'\n');
}

int FinishOutput(int status) {
    WriteOutput({});
    errno = 0;
    if (outputError() == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        NoteFailure();
    if (outputError() == 0)
        return status;
    ErrorLine(QStringLiteral("can't write standard output: ") + SystemErrorText(outputError()));
    return 2;
}
