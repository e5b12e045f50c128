#pragma once

#include <utility>

// The one way a frame sets a field from the program without running the
// field's change reaction. The frame makes every such setting inside quietly();
// each reaction it connects is wrapped by reaction(), which lets it run only
// for changes that were not made quietly. The controller behind the frame then
// runs the nested reaction itself, in plain C++, where it belongs.
class QuietChanges final {
public:
    template <class Change> void quietly(Change&& change) {
        ++m_depth;
        const Restore restore{m_depth};
        std::forward<Change>(change)();
    }

    bool active() const { return m_depth > 0; }

    template <class Reaction> auto reaction(Reaction body) {
        return [this, body = std::move(body)](auto&&...) {
            if (!active())
                body();
        };
    }

private:
    struct Restore {
        int& depth;
        ~Restore() { --depth; }
    };
    int m_depth = 0;
};
