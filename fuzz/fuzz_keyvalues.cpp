// Feeds arbitrary bytes to the reader of Steam's key-value files
// (libraryfolders.vdf, appmanifest_*.acf).
// Invariants: reading never crashes; a text that is read holds sections and
// values only (a value has no children) no deeper than the reader allows.
#include "games/KeyValues.h"

#include <cstdint>
#include <cstdlib>

static int depthOf(const KeyValues &node)
{
    int deepest = 0;
    for (const KeyValues &child : node.children) {
        if (!child.section && !child.children.empty())
            abort();
        deepest = std::max(deepest, depthOf(child) + 1);
    }
    return deepest;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const auto kv = KeyValues::parse(bytes);
    if (kv && depthOf(*kv) > 34)
        abort();
    if (kv)
        (void)kv->valueOf(QStringLiteral("libraryfolders"));
    return 0;
}
