#pragma once

#include <QString>
#include <optional>

// The file version a Windows program states in its version resource
// (VS_FIXEDFILEINFO), as major and minor number.
class PeVersion
{
public:
    struct Version {
        int major, minor;
        bool operator==(const Version &o) const { return major == o.major && minor == o.minor; }
    };
    static std::optional<Version> of(const QString &file);
};
