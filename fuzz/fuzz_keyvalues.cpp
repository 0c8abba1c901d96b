// Feeds arbitrary bytes to the reader of Steam's key-value files
// (libraryfolders.vdf, appmanifest_*.acf).
// Invariants: reading never crashes; a text that is read holds sections and
// values only (a value has no children) no deeper than the reader allows; a
// byte-order mark before a text changes nothing (Steam writes some files
// with one).
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

static bool same(const KeyValues &a, const KeyValues &b)
{
    if (a.name != b.name || a.value != b.value || a.section != b.section || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!same(a.children[i], b.children[i]))
            return false;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const auto kv = KeyValues::parse(bytes);
    if (kv && depthOf(*kv) > 34)
        abort();
    static const QByteArray mark("\xEF\xBB\xBF");
    if (!bytes.startsWith(mark)) {
        const auto marked = KeyValues::parse(mark + bytes);
        if (kv.has_value() != marked.has_value() || (kv && !same(*kv, *marked)))
            abort();
    }
    if (kv)
        (void)kv->valueOf(QStringLiteral("libraryfolders"));
    return 0;
}
