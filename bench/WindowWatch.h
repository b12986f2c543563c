#pragma once

#include <QString>

#include <memory>

// Watches an X server for top-level windows being mapped, to time a program from its start to
// its window without telling the program anything.
class WindowWatch
{
public:
    // Connects to the X server of $DISPLAY; isConnected() tells whether that worked.
    WindowWatch();
    ~WindowWatch();

    bool isConnected() const;
    // Forgets the windows mapped so far.
    void discardEvents();
    // Waits until a top-level window of process pid whose title begins with titleStart is
    // mapped; false when none is within timeoutMs.
    bool waitForWindow(qint64 pid, const QString& titleStart, int timeoutMs);

private:
    struct Connection;
    std::unique_ptr<Connection> m_connection;
};
