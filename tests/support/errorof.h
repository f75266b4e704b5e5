#pragma once
// The message an operation stops with; empty when it runs to its end.
#include "cup/errors.h"

#include <QString>
#include <functional>

namespace rzv::test {

inline QString errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const RzvError& error) {
        return error.message();
    }
    return QString();
}

} // namespace rzv::test
