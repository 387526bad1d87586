#include "tools/sample_writer.h"
