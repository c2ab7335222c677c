#include "platform/ui/HeadlessBackend.h"

#include "common/Fehler.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/OptionButton.h"

#include <nlohmann/json.hpp>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kovelund::ui {

namespace {

using nlohmann::json;

constexpr int PfadFehler = 75;

std::string Beschreibung(const Answer& a) {
    std::string wahl = std::holds_alternative<int>(a.choice) ? std::to_string(std::get<int>(a.choice))
                                                             : "\"" + std::get<std::string>(a.choice) + "\"";
    return "{\"" + a.question + "\": " + wahl + "}";
}

/// The first button of the message box's button set.
int ErsteTaste(int buttons) {
    switch (buttons & 7) {
    case vbOKOnly:
    case vbOKCancel:
        return vbOK;
    case vbAbortRetryIgnore:
        return vbAbort;
    case vbRetryCancel:
        return vbRetry;
    default:
        return vbYes;
    }
}

json Lesen(const std::filesystem::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    if (!f) return json::object();
    json inhalt = json::parse(f, nullptr, false);
    if (inhalt.is_discarded() || !inhalt.is_object())
        throw Fehler(PfadFehler, "cannot read settings '" + datei.string() + "': not a JSON object");
    return inhalt;
}

void Schreiben(const std::filesystem::path& datei, const json& inhalt) {
    std::error_code ec;
    std::filesystem::create_directories(datei.parent_path(), ec);
    // A temporary file of this process's own, so that two programs saving at once never share one.
    auto temp = datei;
    temp += std::string(1, '.').append(std::to_string(::getpid())).append(".tmp");
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f << inhalt.dump(2) << '\n';
        if (!f) throw Fehler(PfadFehler, "cannot write settings '" + temp.string() + "'");
    }
    std::filesystem::rename(temp, datei, ec);
    if (ec) throw Fehler(PfadFehler, "cannot write settings '" + datei.string() + "': " + ec.message());
}

CommandButton* DefaultButton(Form& form) {
    for (Control* c : form.Controls())
        if (auto* b = dynamic_cast<CommandButton*>(c); b && b->Default()) return b;
    return nullptr;
}

} // namespace

void HeadlessBackend::Enqueue(Answer answer) {
    answers_.push_back(std::move(answer));
}

std::vector<std::string> HeadlessBackend::TakeFailures() {
    std::vector<std::string> f;
    f.swap(failures_);
    return f;
}

void HeadlessBackend::ClearRecords() noexcept {
    questions_.clear();
    calls_.clear();
    failures_.clear();
}

std::filesystem::path HeadlessBackend::SettingsFile() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path basis;
    if (xdg && *xdg)
        basis = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        basis = std::filesystem::path(home) / ".config";
    else
        basis = ".config";
    return basis / "kovelund" / "settings.json";
}

void HeadlessBackend::RunModal(Form& form) {
    Question q{Question::Kind::Dialog, form.Caption(), 0, "", false};
    const Answer* front = answers_.empty() ? nullptr : &answers_.front();
    if (front && front->question == form.Caption()) {
        if (!std::holds_alternative<std::string>(front->choice)) {
            failures_.push_back("answer " + Beschreibung(*front) + ": dialog '" + form.Caption() +
                                "' needs the name of an option");
        } else if (AnswerDialog(form, std::get<std::string>(front->choice))) {
            q.answer = std::get<std::string>(front->choice);
            q.queued = true;
            answers_.pop_front();
        }
    }
    if (!q.queued) {
        if (CommandButton* ok = DefaultButton(form); ok && ok->Usable()) ok->Press();
    }
    if (form.Visible()) form.Hide();
    if (!q.queued)
        for (Control* c : form.Controls())
            if (auto* o = dynamic_cast<OptionButton*>(c); o && o->Value()) q.answer = o->Name();
    questions_.push_back(std::move(q));
}

bool HeadlessBackend::AnswerDialog(Form& form, const std::string& control) {
    Control* c = form.Find(control);
    auto* option = dynamic_cast<OptionButton*>(c);
    auto* button = dynamic_cast<CommandButton*>(c);
    std::string vorne = "answer " + Beschreibung(answers_.front()) + ": ";
    if (!option && !button) {
        failures_.push_back(vorne + "dialog '" + form.Caption() + "' has no option or button '" + control +
                            "'");
        return false;
    }
    if (!c->Usable()) {
        failures_.push_back(vorne + "'" + control + "' is not offered in dialog '" + form.Caption() + "'");
        return false;
    }
    if (button) {
        button->Press();
        return true;
    }
    option->Select();
    if (CommandButton* ok = DefaultButton(form); ok && ok->Usable()) ok->Press();
    return true;
}

int HeadlessBackend::MsgBox(const std::string& prompt, int buttons, const std::string&) {
    Question q{Question::Kind::MessageBox, prompt, buttons, "", false};
    int code = ErsteTaste(buttons);
    if (!answers_.empty() && answers_.front().question == prompt) {
        if (std::holds_alternative<int>(answers_.front().choice)) {
            code = std::get<int>(answers_.front().choice);
            q.queued = true;
            answers_.pop_front();
        } else {
            failures_.push_back("answer " + Beschreibung(answers_.front()) + ": message box '" + prompt +
                                "' needs a button code");
        }
    }
    q.answer = std::to_string(code);
    questions_.push_back(std::move(q));
    return code;
}

std::string HeadlessBackend::GetSetting(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& fallback) {
    json inhalt = Lesen(SettingsFile());
    auto app = inhalt.find(application);
    if (app == inhalt.end() || !app->is_object()) return fallback;
    auto sec = app->find(section);
    if (sec == app->end() || !sec->is_object()) return fallback;
    auto wert = sec->find(key);
    return wert != sec->end() && wert->is_string() ? wert->get<std::string>() : fallback;
}

void HeadlessBackend::SaveSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    auto datei = SettingsFile();
    json inhalt = Lesen(datei);
    inhalt[application][section][key] = value;
    Schreiben(datei, inhalt);
}

std::int32_t HeadlessBackend::SetParent(std::int32_t hWndChild, std::int32_t hWndNewParent) {
    calls_.push_back({"SetParent", {hWndChild, hWndNewParent}});
    std::int32_t alt = parents_[hWndChild];
    parents_[hWndChild] = hWndNewParent;
    return alt;
}

std::int32_t HeadlessBackend::SetWindowLongA(std::int32_t hWnd, int index, std::int32_t newLong) {
    calls_.push_back({"SetWindowLongA", {hWnd, index, newLong}});
    std::int32_t alt = longs_[{hWnd, index}];
    longs_[{hWnd, index}] = newLong;
    return alt;
}

} // namespace kovelund::ui
