#pragma once

#include <QTemporaryDir>

#include <string>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir
{
public:
    TempDir() = default;
    // The path of name inside the folder (nothing is created).
    std::string file(const std::string& name) const
    {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string path() const { return m_dir.path().toStdString(); }

private:
    QTemporaryDir m_dir;
};
