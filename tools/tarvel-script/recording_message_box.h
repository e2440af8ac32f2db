#pragma once
// The runner's message box: nobody is there to press OK, so it only keeps the
// texts (the form's own list of messages is what a dump prints).

#include <string>
#include <string_view>
#include <vector>

#include "app/message_box.h"

namespace tarvel::script {

class RecordingMessageBox : public MessageBox {
  public:
    void show(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

}  // namespace tarvel::script
