#pragma once
// The core's strings as last mirrored into the widgets. Comparing a record's
// string with the one last handed over costs far less than converting it for
// the toolkit and comparing it there, and on a tick most strings stay as
// they were.

#include <QObject>
#include <map>
#include <string>
#include <utility>

namespace tarvel::view {

class MirroredStrings {
  public:
    enum class Role { Caption, AccessibleName, AccessibleDescription, Items };

    // True, and remembered, when `now` is not the string last mirrored into
    // this role of `widget`; the caller then brings the widget into step.
    bool changed(const QObject* widget, Role role, const std::string& now) {
        auto [entry, added] = last_.try_emplace({widget, role}, now);
        if (added) return true;
        if (entry->second == now) return false;
        entry->second = now;
        return true;
    }

  private:
    std::map<std::pair<const QObject*, Role>, std::string> last_;
};

}  // namespace tarvel::view
