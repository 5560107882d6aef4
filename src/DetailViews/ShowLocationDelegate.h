// What a page that opens a child screen hears when the child closes: the
// child has removed itself, and the page shows its own input widgets again.
#pragma once

class ShowLocationDelegate {
public:
    virtual ~ShowLocationDelegate() = default;
    virtual void doWithReturn() {}
};
