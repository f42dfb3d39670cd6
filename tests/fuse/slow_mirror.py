#!/usr/bin/python3
"""A read-only FUSE mirror of a folder whose chosen files read slowly.

It stands in for an offline network share or a disk that has to spin up:
each open of a file that matches a --slow pattern waits --delay seconds
from its first read (or, with --release-file, until that file exists,
whichever comes first); after that its reads are immediate. Listing, stat,
open and statfs stay fast: Wine opens files in its server process, and a
server that waits freezes every Wine process. Starting a slow .exe or
loading a slow .dll freezes it all the same, as the server reads the image
headers itself; ExtractIconEx and plain reads wait only in their caller.

  slow_mirror.py SOURCE MOUNTPOINT [--slow GLOB]... [--delay SECONDS]
                 [--release-file PATH] [-f] [-o FUSE_OPTIONS]

A pattern is matched against the path below SOURCE and against the bare
name ("*.ico", "icons/big.ico"). --delay inf waits for the release file
only. -f stays in the foreground; without it the mirror detaches. Unmount
with `fusermount -u MOUNTPOINT`. Needs Debian's python3-fuse and fuse3.
"""
import argparse
import errno
import fnmatch
import os
import sys
import time

import fuse

fuse.fuse_python_api = (0, 2)


class Handle:
    """One open of a file. A slow one waits once, from its first read on:
    a large file is read in several requests, and a mapped one page by page."""

    def __init__(self, fd, slow):
        self.fd = fd
        self.slow = slow
        self.until = None


class SlowMirror(fuse.Fuse):
    def __init__(self, source, slow, delay, release_file):
        super().__init__()
        self.source = source
        self.slow = slow
        self.delay = delay
        self.release_file = release_file

    def _real(self, path):
        return os.path.join(self.source, path.lstrip('/'))

    def _is_slow(self, path):
        rel = path.lstrip('/')
        name = os.path.basename(rel)
        return any(fnmatch.fnmatchcase(rel, g) or fnmatch.fnmatchcase(name, g)
                   for g in self.slow)

    def _wait(self, end):
        while True:
            if self.release_file and os.path.exists(self.release_file):
                return
            left = end - time.monotonic()
            if left <= 0:
                return
            time.sleep(min(left, 0.05))

    def getattr(self, path):
        return os.lstat(self._real(path))

    def readlink(self, path):
        return os.readlink(self._real(path))

    def readdir(self, path, offset):
        for name in ['.', '..'] + os.listdir(self._real(path)):
            yield fuse.Direntry(name)

    def statfs(self):
        return os.statvfs(self.source)

    def open(self, path, flags):
        if flags & os.O_ACCMODE != os.O_RDONLY:
            return -errno.EROFS
        return Handle(os.open(self._real(path), os.O_RDONLY), self._is_slow(path))

    def read(self, path, size, offset, fh):
        if fh.slow:
            if fh.until is None:
                fh.until = time.monotonic() + self.delay
            self._wait(fh.until)
        return os.pread(fh.fd, size, offset)

    def release(self, path, flags, fh):
        os.close(fh.fd)


def main():
    p = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    p.add_argument('source')
    p.add_argument('mountpoint')
    p.add_argument('--slow', action='append', default=[], metavar='GLOB',
                   help='files whose contents read slowly (repeatable)')
    p.add_argument('--delay', type=float, default=20.0, metavar='SECONDS',
                   help='how long each open of a slow file waits (default 20; inf: '
                        'until the release file exists)')
    p.add_argument('--release-file', metavar='PATH',
                   help='slow reads return at once while this file exists')
    p.add_argument('-f', '--foreground', action='store_true')
    p.add_argument('-o', dest='options', default='', metavar='FUSE_OPTIONS',
                   help='more mount options, comma-separated')
    a = p.parse_args()
    if a.delay == float('inf') and not a.release_file:
        p.error('--delay inf needs --release-file')
    source = os.path.realpath(a.source)
    if not os.path.isdir(source):
        p.error('not a folder: ' + source)
    release = a.release_file and os.path.abspath(a.release_file)

    options = ['ro', 'fsname=slow_mirror', 'subtype=slow_mirror']
    if os.geteuid() == 0:
        options.append('allow_other')  # Wine may run as another user
    options += [o for o in a.options.split(',') if o]
    args = [sys.argv[0], os.path.realpath(a.mountpoint), '-o', ','.join(options)]
    if a.foreground:
        args.append('-f')
    SlowMirror(source, a.slow, a.delay, release).main(args)


if __name__ == '__main__':
    main()
