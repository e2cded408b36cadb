#pragma once

#include "FileDialogs.h"
#include "MessageBox.h"

#include <QStringList>
#include <optional>
#include <vector>

// Answers the message box and the file dialogs instead of a person, and keeps what was asked.
struct Responders
{
    struct Message
    {
        Zentrix::TMessageDlg::Kind kind;
        QString text;
    };
    std::vector<Message> messages;
    std::vector<QString> dialogTitles;
    std::optional<QString> nextFile;

    Responders()
    {
        Zentrix::TMessageDlg::setResponder(
            [this](Zentrix::TMessageDlg::Kind k, const QString &t) { messages.push_back({k, t}); });
        Zentrix::TFileDialog::setResponder([this](const Zentrix::TFileDialog &d) {
            dialogTitles.push_back(d.Title);
            return nextFile;
        });
    }
    ~Responders()
    {
        Zentrix::TMessageDlg::setResponder({});
        Zentrix::TFileDialog::setResponder({});
    }
};
