#pragma once

#include "AppError.h"
#include "SerialPort.h"

#include <QStringList>
#include <deque>

// A serial port fed by the test: what the meter "sends" is queued and announced in the
// notifications the test chooses.
class FakePort : public Zentrix::TSerialPort
{
public:
    bool open = false;
    bool failOpen = false;
    int opens = 0;
    QStringList sent;
    std::deque<QChar> rx;

    void Open() override
    {
        if (failOpen)
            throw Zentrix::AppError(QStringLiteral("Cannot open COM%1 (/dev/none): No such file or directory")
                                        .arg(PortNumber()));
        open = true;
        ++opens;
    }
    void Close() override
    {
        open = false;
        rx.clear();
    }
    bool IsOpen() const override { return open; }
    QChar GetChar() override
    {
        if (rx.empty())
            return QChar();
        const QChar c = rx.front();
        rx.pop_front();
        return c;
    }
    void PutString(const QString &s) override { sent << s; }

    // The meter sends text, announced in one notification per piece.
    void receive(const QString &text, int piece = 0)
    {
        if (piece <= 0)
            piece = static_cast<int>(text.size());
        for (qsizetype i = 0; i < text.size(); i += piece) {
            const QString part = text.mid(i, piece);
            for (QChar c : part)
                rx.push_back(c);
            emit TriggerAvail(static_cast<int>(part.size()));
        }
    }
};
