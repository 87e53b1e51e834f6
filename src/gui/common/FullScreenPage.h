#pragma once

namespace kestrava {

// A page whose panel the main window lays over the whole window in full
// screen: the page takes its panel back and shows which state it is in.
class FullScreenPage
{
public:
    virtual void putPanelBack() = 0;
    virtual void setFullScreen(bool on) = 0;

protected:
    ~FullScreenPage() = default;
};

} // namespace kestrava
