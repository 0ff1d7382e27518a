// User prompts answered by the test: messages are recorded, confirmations
// and file dialogs take the answers the test queued.
#pragma once

#include "shell/main_form.h"
#include "shell/user_prompts.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

namespace korvex::app::test {

class TFakePrompts : public TUserPrompts {
public:
    QStringList messages;
    QStringList questions;
    std::deque<TAnswer> answers;
    std::deque<std::optional<QString>> saveNames;
    std::deque<std::optional<TOpenChoice>> openChoices;

    void Information(const QString& text) override { messages << text; }
    TAnswer Confirm(const QString& text, bool withCancel) override {
        questions << text;
        if (answers.empty()) return withCancel ? TAnswer::Cancel : TAnswer::No;
        const TAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<TOpenChoice> OpenFileName(const QString&) override { return Next(openChoices); }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&) override {
        return Next(saveNames);
    }

private:
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        std::optional<T> next = queue.front();
        queue.pop_front();
        return next;
    }
};

// A main window with fake prompts and a temporary folder; the program folder
// holds a copy of the engine library unless asked otherwise.
struct TShellFixture {
    QTemporaryDir folder;
    TFakePrompts* prompts = new TFakePrompts;
    TMainForm form;

    explicit TShellFixture(TWindowFactories windows = {})
        : form(std::unique_ptr<TUserPrompts>(prompts), std::move(windows)) {
        QDir(folder.path()).mkdir(QStringLiteral("bin"));
        form.SetProgramFolder(ProgramFolder());
        form.StartUp({});
    }
    QString ProgramFolder() const { return folder.filePath(QStringLiteral("bin")); }
    void InstallEngine() const {
        QFile::copy(QStringLiteral(KORVEX_ENGINE_LIBRARY), ProgramFolder() + QStringLiteral("/libKorvex2015_DLL.so"));
    }
    // A copy of a shipped example in the temporary folder.
    QString CopyExample(const QString& name) const {
        const QString copy = folder.filePath(name);
        QFile::copy(QStringLiteral(KORVEX_EXAMPLES "/") + name, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }
};

}  // namespace korvex::app::test
