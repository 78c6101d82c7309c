#pragma once

#include <QString>
#include <functional>

// Permission checks are ignored for root, and CI runs the tests as root. A test of a folder or file
// that cannot be written or read runs its work through here: in a child process that has become the
// user "nobody" when the tests run as root, in a child process as it is otherwise.
// The work returns 0 when all went as expected, another code (its own numbering) otherwise; the
// result is that code, or -1 when the child could not run or give up root. The child shares nothing
// with the parent afterwards: a test checks what the child left on disk, or its code.
int ExecuterSansRoot(const std::function<int()> &travail);

// Lets every user read and traverse a folder and everything below it (the child above needs it:
// temporary folders are private to their owner), and write in it too when ecriture is set.
void OuvrirAuxAutres(const QString &dossier, bool ecriture = false);

// As root, gives this test program a temporary folder that the children above can reach and write in,
// as /tmp is: the run's TMPDIR may be a folder only root can write (or even enter). Inside TMPDIR when a
// child can use it there, else in /tmp; TMPDIR names it from then on, and it is removed with this object.
// Does nothing for another user, whose children are as free as the tests themselves.
class TemporairePourEnfants {
public:
    TemporairePourEnfants();
    ~TemporairePourEnfants();
    TemporairePourEnfants(const TemporairePourEnfants &) = delete;
    TemporairePourEnfants &operator=(const TemporairePourEnfants &) = delete;

private:
    QString dossier;
};
