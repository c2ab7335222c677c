#pragma once
// The backend without a display, for tests and the command line: modal forms and message boxes
// are answered from a queue, every question and window-system call is recorded, and the settings
// live in a JSON file in the user's configuration directory.

#include "platform/ui/Backend.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kovelund::ui {

/// One prepared answer: `question` is a dialog's caption or a message box's prompt; `choice` is
/// the name of the control to pick in the dialog, or the button code for the message box.
struct Answer {
    std::string question;
    std::variant<std::string, int> choice;
};

/// A question as it was asked and answered.
struct Question {
    enum class Kind { Dialog, MessageBox };
    Kind kind;
    std::string text;
    int buttons = 0;
    /// The control picked, or the button code as text.
    std::string answer;
    /// Whether the answer came from the queue, not from the default.
    bool queued = false;
};

/// A window-system call: "SetParent" (child, parent) or "SetWindowLongA" (window, index, value).
struct WindowCall {
    std::string function;
    std::vector<std::int32_t> arguments;
    bool operator==(const WindowCall&) const = default;
};

/// Answers a question with the front answer of the queue when that answer is meant for it (same
/// caption or prompt), else with the default: a dialog keeps its preselected choice, a message box
/// gets its first button (yes for yes/no). A dialog answer selects the named option button (or
/// presses the named button), then presses the form's Default button; a form still visible
/// afterwards is hidden. An answer that cannot be given (no such control, or one the user could
/// not reach) is not consumed and is noted under Failures.
class HeadlessBackend : public Backend {
public:
    void Enqueue(Answer answer);
    /// The answers not asked for yet.
    const std::deque<Answer>& PendingAnswers() const noexcept { return answers_; }
    void ClearAnswers() noexcept { answers_.clear(); }

    const std::vector<Question>& Questions() const noexcept { return questions_; }
    const std::vector<WindowCall>& WindowCalls() const noexcept { return calls_; }
    /// Answers that could not be given since the last call, one message each; the list is emptied.
    std::vector<std::string> TakeFailures();
    /// Forgets the questions, calls and failures recorded so far.
    void ClearRecords() noexcept;

    /// $XDG_CONFIG_HOME/kovelund/settings.json, else ~/.config/kovelund/settings.json; read anew on
    /// every call, so a changed environment takes effect at once.
    static std::filesystem::path SettingsFile();

    void RunModal(Form& form) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    /// A settings file that cannot be read or is no JSON object fails with 75.
    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    /// Writes the whole file anew through a temporary file; a failure throws 75.
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::int32_t SetParent(std::int32_t hWndChild, std::int32_t hWndNewParent) override;
    std::int32_t SetWindowLongA(std::int32_t hWnd, int index, std::int32_t newLong) override;

private:
    bool AnswerDialog(Form& form, const std::string& control);

    std::deque<Answer> answers_;
    std::vector<Question> questions_;
    std::vector<WindowCall> calls_;
    std::vector<std::string> failures_;
    std::map<std::int32_t, std::int32_t> parents_;
    std::map<std::pair<std::int32_t, int>, std::int32_t> longs_;
};

/// The process's headless backend, current when the host set no other.
HeadlessBackend& ProcessHeadlessBackend();

} // namespace kovelund::ui
