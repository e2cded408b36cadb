#pragma once

#include "Global.h"
#include "LocaleFormat.h"
#include "QtPrint.h"

#include <QFile>
#include <QTemporaryDir>

// The program's directory for one test: settings file and data files go there.
struct TestProgramDir
{
    TestProgramDir()
    {
        Zentrix::ResetGlobals();
        Zentrix::SetDecimalSeparator('.');
        Zentrix::SetAppPathForTests(dir.path() + '/');
        Zentrix::AppPath = dir.path() + '/';
    }
    ~TestProgramDir()
    {
        Zentrix::SetAppPathForTests(QString());
        Zentrix::ResetGlobals();
        Zentrix::ResetDecimalSeparator();
    }
    QString path(const QString &name) const { return dir.path() + '/' + name; }
    void writeIni(const QByteArray &text) const
    {
        QFile f(path("ZENTRIX.INI"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    QByteArray readIni() const
    {
        QFile f(path("ZENTRIX.INI"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    QTemporaryDir dir;
};
