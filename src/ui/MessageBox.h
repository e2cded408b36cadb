#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace Zentrix {

// The program's one message box: modal, title "Zentrix", the text centred in blue, one OK button.
class TMessageDlg
{
public:
    enum Kind { Information, Warning, Error };

    explicit TMessageDlg(QWidget *owner = nullptr) : m_owner(owner) {}

    Kind kind() const { return m_kind; }
    void setKind(Kind k) { m_kind = k; }
    // Shows the text and waits for OK.
    void execute(const QString &text) const;

    // Shows one message of the given kind.
    static void show(QWidget *owner, Kind kind, const QString &text);

    // Tests answer the box here instead of a person; an empty function shows the real box.
    using Responder = std::function<void(Kind, const QString &)>;
    static void setResponder(Responder r);

private:
    QWidget *m_owner;
    Kind m_kind = Information;
};

} // namespace Zentrix
