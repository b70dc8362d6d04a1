#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "core/file_name.h"
#include "core/palette.h"
#include "framework/dialogs/question_dialog.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/platform/platform.h"

// The whole editor started in-process on the headless backend (or a test's variant of
// it), in a fresh folder that becomes the working directory. Scripted chooser answers go
// in before Start.
template <class Platform = vHeadlessPlatform>
class BasicEditorSession {
public:
    explicit BasicEditorSession(int screenWidth = 1024, int screenHeight = 768)
        : platform(screenWidth, screenHeight), home_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "knoll-app-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        std::filesystem::current_path(folder_);
        // Nothing installed unless a test says so.
        app.SetDataFolder("");
    }
    ~BasicEditorSession() {
        app.Finish();
        std::filesystem::current_path(home_);
        std::error_code error;
        for (auto& entry : std::filesystem::recursive_directory_iterator(folder_, error)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
        std::filesystem::remove_all(folder_, error);
    }

    // Copies the demo workspace (field, palette, help) into the folder.
    void CopyDemo() {
        for (const char* name : {"Intro.tga", "Std.pal", "Knollwork.hlp"}) {
            std::filesystem::copy_file(std::string(KNOLL_SOURCE_DIR) + "/demo/" + name, Path(name));
        }
    }

    int Start(std::vector<const char*> arguments = {}) {
        arguments.insert(arguments.begin(), "knollwork");
        return app.Start(platform, int(arguments.size()), arguments.data(), AppMain);
    }
    void Pump() { app.PumpUntilIdle(); }

    KnollCmdWindow& Window() { return *app.MainWindow(); }
    void Command(int id) {
        Window().OnCommand(id, 0, vMenuCommandType);
        Pump();
    }
    void AnswerOpen(const std::string& path, int filterIndex = 0) {
        platform.ScriptAnswer(vModalRequest::Kind::OpenFile, {.confirmed = true, .path = path, .filterIndex = filterIndex});
    }
    void AnswerSave(const std::string& path, int filterIndex = 0) {
        platform.ScriptAnswer(vModalRequest::Kind::SaveFile, {.confirmed = true, .path = path, .filterIndex = filterIndex});
    }
    void CancelChooser(vModalRequest::Kind kind) { platform.ScriptAnswer(kind, vModalAnswer{}); }
    // The next question (or every one) answered with the button of that id.
    void AnswerQuestion(int id) { platform.ScriptAnswer(vModalRequest::Kind::Dialog, ClosedBy(id)); }
    void AnswerQuestionAlways(int id) { platform.AlwaysAnswer(vModalRequest::Kind::Dialog, ClosedBy(id)); }

    // The notices shown since the start, in order.
    std::vector<std::string> Notices() const {
        std::vector<std::string> texts;
        for (const vModalRequest& request : platform.ModalRequests()) {
            if (request.kind == vModalRequest::Kind::Notice) texts.push_back(request.text);
        }
        return texts;
    }
    size_t NoticeCount() const { return Notices().size(); }

    bool IsToggledOn(int commandBarId) { return Window().CommandBar().FindControl(commandBarId)->Value() != 0; }
    bool IsSensitive(int commandBarId) { return Window().CommandBar().FindControl(commandBarId)->IsEnabled(); }
    bool IsMenuSensitive(int id) { return Window().Menu().Model().FindItem(id)->sensitive; }
    std::string StatusText(int id) {
        return Window().StatusBar().FindControl(id)->Text();
    }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    const std::string& Folder() const { return folder_; }

    Platform platform;
    KnollApp app;

private:
    static vModalAnswer ClosedBy(int id) {
        vModalAnswer answer;
        answer.id = id;
        return answer;
    }

    std::filesystem::path home_;
    std::string folder_;
};

using EditorSession = BasicEditorSession<>;

inline std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
