// A block of another process's memory, for the messages to its controls that
// carry pointers: their structures and texts must lie in the control's own
// process. The structure sits at the start of the block, its text buffer after it.
#pragma once
#include <windows.h>
#include <string>

class RemoteBlock {
public:
    explicit RemoteBlock(HANDLE process);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    // The block's address in the other process, as a message's parameter.
    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_block); }
    // The text buffer's address in the other process, and its size in characters.
    char* TextBuffer() const { return m_block + kTextOffset; }
    static int TextSize() { return static_cast<int>(kTextSize); }

    template <typename T> void Put(const T& value) const
    {
        WriteProcessMemory(m_process, m_block, &value, sizeof value, nullptr);
    }
    template <typename T> T Get() const
    {
        T value = {};
        ReadProcessMemory(m_process, m_block, &value, sizeof value, nullptr);
        return value;
    }
    // What the control wrote to the text buffer.
    std::string Text() const;

private:
    static const size_t kTextOffset = 256;
    static const size_t kTextSize = 1024;
    HANDLE m_process;
    char* m_block;
};
