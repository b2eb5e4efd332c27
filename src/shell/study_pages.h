#pragma once

#include <array>

#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// One button of a study page and the document it opens. A button without caption is hidden: it
// is in the page but never shown, so the user cannot reach it.
struct StudyButton {
  int id;
  int column;  // 1-based, left to right
  int row;     // 1-based, top to bottom
  const wchar_t* caption;
  const wchar_t* document;  // the file name inside the page's folder
};

// "擇日學": two columns of six buttons, documents in the folder "擇日學".
extern const std::array<StudyButton, 2 * 6> kDateSelectionStudyButtons;
// "八字學": four columns of ten buttons (three of them hidden), documents in the folder "八字學".
extern const std::array<StudyButton, 4 * 10> kFourPillarsStudyButtons;

// A study page: each button opens its document; nothing is computed or written. The documents
// do not come with the program: one that is not in the working directory is named in a message
// box instead of being opened.
class StudyPage : public PageController {
 public:
  // Both folder and buttons must outlive the page ("擇日學" with kDateSelectionStudyButtons,
  // "八字學" with kFourPillarsStudyButtons).
  template <std::size_t N>
  StudyPage(PageControls& controls, Platform& platform, const wchar_t* folder,
            const std::array<StudyButton, N>& buttons)
      : controls_(controls),
        platform_(platform),
        folder_(folder),
        buttons_(buttons.data()),
        count_(N) {}

  void Command(int controlId, ControlEvent event) override;

 private:
  PageControls& controls_;
  Platform& platform_;
  const wchar_t* folder_;
  const StudyButton* buttons_;
  std::size_t count_;
};

}  // namespace shell
