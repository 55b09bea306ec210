#pragma once

#include <string>
#include <string_view>

namespace ms {

// Every file the program writes has CR LF line ends, also inside user text: a description pasted
// with LF, CR or CR LF gets CR LF for each of its line breaks. The writers pass their bytes, or the
// user text they place themselves, through here.
class CrLfWriter {
  public:
    // Appends the chunk with each LF, CR and CR LF written as one CR LF. A CR at the end of one
    // chunk and an LF at the start of the next are one line break.
    void append(std::string& out, std::string_view chunk);

  private:
    bool m_afterCr = false;
};

// The text with every line break as CR LF.
std::string CrLfLineBreaks(std::string_view text);

} // namespace ms
