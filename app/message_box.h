#pragma once
// The modal message box with an OK button; the window shows a real one, the
// scenario runner and the tests only record the text.

#include <string_view>

namespace tarvel {

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void show(std::string_view text) = 0;
};

}  // namespace tarvel
