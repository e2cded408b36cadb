#include "SerialPort.h"

#include "AppError.h"
#include "Global.h"

#include <QFileInfo>
#include <QSerialPort>

namespace Zentrix {

TComPort::TComPort(QObject *parent) : TSerialPort(parent), m_port(std::make_unique<QSerialPort>())
{
    connect(m_port.get(), &QSerialPort::readyRead, this, &TComPort::onReadyRead);
    connect(m_port.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onError(static_cast<int>(e)); });
}

TComPort::~TComPort() = default;

QString TComPort::DevicePath() const { return PortDevice(PortNumber()); }

void TComPort::Open()
{
    if (m_port->isOpen())
        return;
    const QString device = DevicePath();
    m_port->setPortName(device);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data7);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::TwoStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_rx.clear();
    m_rxPos = 0;
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError e = m_port->error();
        QString text = QStringLiteral("Cannot open COM%1 (%2): %3").arg(PortNumber()).arg(device, m_port->errorString());
        if (e == QSerialPort::PermissionError)
            text += QStringLiteral(". The user must be in the group that owns %1 (usually dialout).").arg(device);
        else if (e == QSerialPort::DeviceNotFoundError)
            text += QStringLiteral(". Point COM%1 at the meter's device in section PORTS of %2.")
                        .arg(PortNumber())
                        .arg(SettingsFileName());
        m_port->clearError();
        throw AppError(text);
    }
    // A pseudo-terminal cannot set the modem lines; the port works without them.
    if (!m_port->setDataTerminalReady(true))
        m_port->clearError();
    if (!m_port->setRequestToSend(false))
        m_port->clearError();
}

void TComPort::Close()
{
    if (m_port->isOpen())
        m_port->close();
    m_rx.clear();
    m_rxPos = 0;
}

bool TComPort::IsOpen() const { return m_port->isOpen(); }

QChar TComPort::GetChar()
{
    if (m_rxPos >= m_rx.size())
        return QChar();
    // The meter speaks 7-bit ASCII; a pseudo-terminal passes the eighth bit through.
    return QChar(static_cast<ushort>(static_cast<unsigned char>(m_rx.at(m_rxPos++)) & 0x7F));
}

void TComPort::PutString(const QString &s)
{
    if (m_port->isOpen())
        m_port->write(s.toLatin1());
}

void TComPort::onReadyRead()
{
    if (m_rxPos > 0 && m_rxPos >= m_rx.size()) {
        m_rx.clear();
        m_rxPos = 0;
    } else if (m_rxPos > 4096) {
        m_rx.remove(0, m_rxPos);
        m_rxPos = 0;
    }
    m_rx.append(m_port->readAll());
    const qsizetype waiting = m_rx.size() - m_rxPos;
    if (waiting > 0)
        emit TriggerAvail(static_cast<int>(std::min<qsizetype>(waiting, 65535)));
}

void TComPort::onError(int error)
{
    const auto e = static_cast<QSerialPort::SerialPortError>(error);
    if (e != QSerialPort::ReadError && e != QSerialPort::ResourceError && e != QSerialPort::WriteError)
        return;
    if (!m_port->isOpen())
        return;
    // A vanished device keeps raising read errors in a busy loop until the port is closed.
    const QString reason = m_port->errorString();
    m_port->clearError();
    Close();
    emit LinkLost(reason);
}

} // namespace Zentrix
