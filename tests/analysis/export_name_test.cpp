#include "analysis/analysis_export.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ExportName, GetsItsExtensionOnlyWhenItHasNone) {
    struct Row {
        const char* typed;
        const char* written;
    };
    const Row rows[] = {
        {"results", "results.csv"},
        {"/tmp/out/results", "/tmp/out/results.csv"},
        {"results.", "results.csv"},
        {"results.csv", "results.csv"},
        {"results.CSV", "results.CSV"},
        {"results.txt", "results.txt"},            // the player chose another kind
        {"runs.d/results", "runs.d/results.csv"},  // a dot in a folder is no extension
        {".results", ".results.csv"},              // nor a leading dot
    };
    for (const Row& row : rows)
        EXPECT_EQ(WithExtension(row.typed, ".csv"), row.written) << row.typed;
    EXPECT_EQ(WithExtension("results", ".json"), "results.json");
}

}  // namespace
}  // namespace velmora
