#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSerialPort;

namespace Zentrix {

// What the program needs of a serial port: a port number set while closed, open and close,
// "characters waiting" with their count on the user-interface thread, one character at a time,
// and sending a text.
class TSerialPort : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~TSerialPort() override = default;

    void SetPortNumber(int n) { m_port = n; }
    int PortNumber() const { return m_port; }

    // Throws AppError with the device and the system's reason when the port cannot be opened.
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The next received character; '\0' when none is waiting.
    virtual QChar GetChar() = 0;
    virtual void PutString(const QString &s) = 0;

signals:
    // Characters are waiting: count of them.
    void TriggerAvail(int count);
    // The device went away under an open port (cable pulled, adapter unplugged); the port is closed.
    void LinkLost(const QString &reason);

private:
    int m_port = 1;
};

// The real port: COMn through the settings' port map, 9600 baud, 7 data bits, no parity,
// 2 stop bits, RTS off, DTR on, no flow control.
class TComPort : public TSerialPort
{
    Q_OBJECT

public:
    explicit TComPort(QObject *parent = nullptr);
    ~TComPort() override;

    void Open() override;
    void Close() override;
    bool IsOpen() const override;
    QChar GetChar() override;
    void PutString(const QString &s) override;

    QString DevicePath() const;

private:
    void onReadyRead();
    void onError(int error);

    std::unique_ptr<QSerialPort> m_port;
    QByteArray m_rx;
    qsizetype m_rxPos = 0;
};

} // namespace Zentrix
