#include "format/file_summary.h"

FileSummary& fileSummary() {
    static FileSummary summary;
    return summary;
}
