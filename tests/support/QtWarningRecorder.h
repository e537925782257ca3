#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <mutex>
#include <string>

namespace tenvik::test {

// Records Qt's warnings, critical and fatal messages while it lives, and puts the previous
// message handler back afterwards. Debug and info messages are no faults and are let pass.
// Qt may log from any thread, so the record is locked.
class QtWarningRecorder {
public:
    QtWarningRecorder()
    {
        {
            const std::lock_guard lock(s_mutex);
            s_messages.clear();
        }
        m_previous = qInstallMessageHandler(&record);
    }
    ~QtWarningRecorder() { qInstallMessageHandler(m_previous); }
    QtWarningRecorder(const QtWarningRecorder&) = delete;
    QtWarningRecorder& operator=(const QtWarningRecorder&) = delete;

    QStringList messages() const
    {
        const std::lock_guard lock(s_mutex);
        return s_messages;
    }

    // One message a line, for the text of a failed expectation.
    std::string text() const { return messages().join(u'\n').toStdString(); }

private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtDebugMsg || type == QtInfoMsg)
            return;
        const std::lock_guard lock(s_mutex);
        s_messages.append(message);
    }

    static inline std::mutex s_mutex;
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

} // namespace tenvik::test
