// The questions and messages the shell puts to the user: information boxes,
// confirmations and the file dialogs. The main window asks through this
// interface so that a test can answer in place of the user.
#pragma once

#include <QString>
#include <optional>

namespace korvex::app {

enum class TAnswer { Yes, No, Cancel };

struct TOpenChoice {
    QString fileName;
    int filterIndex = 0;  // 0-based position of the chosen filter
};

class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    virtual void Information(const QString& text) = 0;
    // Yes / No, with Cancel as a third button when asked for.
    virtual TAnswer Confirm(const QString& text, bool withCancel) = 0;
    // An existing file chosen with one of the filters ("Name (*.x)|*.x|...").
    virtual std::optional<TOpenChoice> OpenFileName(const QString& filter) = 0;
    // A file name to save under, or none on Cancel; asks before overwriting.
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& proposal,
                                                const QString& filter) = 0;
};

}  // namespace korvex::app
