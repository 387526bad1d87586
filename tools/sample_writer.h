#pragma once
// Placeholder: the sample-file writer arrives with the reader.
