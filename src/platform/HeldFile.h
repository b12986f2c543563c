#pragma once

// A file kept open from the moment it was found, so that what is read from it later is the file
// found then: a name given meanwhile to another file, or removed, changes nothing of what is read.
// Moves, never copies; closes the file when it ends.
class HeldFile
{
public:
    HeldFile() = default;
    // Takes over fd; -1 holds nothing.
    explicit HeldFile(int fd);
    ~HeldFile();
    HeldFile(HeldFile&& other) noexcept;
    HeldFile& operator=(HeldFile&& other) noexcept;
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool isHeld() const;
    // A descriptor of the file set at its start, for the caller to close (a LineReader takes it
    // over); -1 when nothing is held, no descriptor is left or the file cannot be read from its
    // start. It shares its position with the held file, so one reading at a time: the next call
    // starts it over.
    int readFromStart() const;

private:
    int m_fd = -1;
};
