#!/usr/bin/env python3
# Opens the demo gallery in headless Chromium and fails when anything on it did
# not load: a picture the browser could not decode, a linked file that is missing
# or not what its name says. Saves a screenshot of the page next to it.
#
#     check_gallery.py <vorel-demo> <output folder>
#
# Exits 77 (a skip for CTest) with the reason when Chromium is not installed.
import base64
import fcntl
import html.parser
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import xml.dom.minidom

SKIP = 77
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--hide-scrollbars", "--window-size=1280,1000", "--remote-debugging-pipe"]


# The pictures and local links of a page.
class References(html.parser.HTMLParser):

    def __init__(self):
        super().__init__()
        self.pictures, self.links = [], []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "img" and a.get("src"):
            self.pictures.append(a["src"])
        elif tag == "a" and a.get("href") and "://" not in a["href"] and not a["href"].startswith("#"):
            self.links.append(a["href"])


def rtf_problem(data):
    if not data.startswith(b"{\\rtf1"):
        return "not RTF"
    depth = 0
    for c in re.sub(rb"\\[\\{}]", b"", data):  # escaped braces open nothing
        depth += {ord("{"): 1, ord("}"): -1}.get(c, 0)
        if depth < 0:
            return "an RTF group closed that was never opened"
    return "RTF groups left open" if depth else None


# What is wrong with a linked file, or None.
def file_problem(path: pathlib.Path):
    data = path.read_bytes() if path.is_file() else None
    if not data:
        return "missing" if data is None else "empty"
    kind = path.suffix.lower()
    try:
        if kind == ".png" and not data.startswith(b"\x89PNG\r\n\x1a\n"):
            return "not a PNG"
        if kind in (".csv", ".txt"):
            data.decode("utf-8")
        if kind == ".xml":
            xml.dom.minidom.parseString(data)
    except Exception as e:  # a decoder's or parser's error is the file's fault
        return f"not {'UTF-8' if kind != '.xml' else 'well-formed XML'} ({e})"
    return rtf_problem(data) if kind == ".rtf" else None


# Chromium's DevTools protocol over --remote-debugging-pipe (fd 3 in, fd 4 out).
class DevTools:

    def __init__(self, chromium, url, profile):
        to_browser_r, self.to_browser = os.pipe()
        from_browser, from_browser_w = os.pipe()
        # Above the numbers the child needs, so that placing one cannot clobber the other.
        child_r, child_w = (fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (to_browser_r, from_browser_w))
        os.close(to_browser_r)
        os.close(from_browser_w)

        def fds():
            os.dup2(child_r, 3)  # dup2 leaves both inheritable
            os.dup2(child_w, 4)

        self.process = subprocess.Popen([chromium, *CHROMIUM_FLAGS, f"--user-data-dir={profile}", url],
                                        close_fds=False, preexec_fn=fds,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(child_r)
        os.close(child_w)
        self.reader = os.fdopen(from_browser, "rb")
        self.next_id, self.buffer = 0, b""

    def call(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                chunk = self.reader.read1(1 << 16)
                if not chunk:
                    raise RuntimeError("Chromium closed its DevTools pipe")
                self.buffer += chunk
            reply, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(reply)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def close(self):
        try:
            self.call("Browser.close")
        except RuntimeError:
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()


# Pictures the browser could not show; saves the whole page as a picture.
def browser_problems(chromium, page: pathlib.Path, screenshot: pathlib.Path):
    with tempfile.TemporaryDirectory() as profile:
        tools = DevTools(chromium, page.as_uri(), profile)
        try:
            target = next(t for t in tools.call("Target.getTargets")["targetInfos"] if t["type"] == "page")
            session = tools.call("Target.attachToTarget", targetId=target["targetId"], flatten=True)["sessionId"]
            evaluate = lambda js: tools.call("Runtime.evaluate", session, expression=js,  # noqa: E731
                                             returnByValue=True)["result"]["value"]
            # The tab shows about:blank, complete, until the navigation starts.
            loaded = f"location.href === {json.dumps(page.as_uri())} && document.readyState === 'complete'"
            for _ in range(600):
                if evaluate(loaded):
                    break
                time.sleep(0.05)
            else:
                return ["the page did not finish loading in 30 s"]
            broken = evaluate("Array.from(document.images).filter(i => !i.complete || i.naturalWidth === 0)"
                              ".map(i => i.getAttribute('src'))")
            size = tools.call("Page.getLayoutMetrics", session)["cssContentSize"]
            shot = tools.call("Page.captureScreenshot", session, format="png", captureBeyondViewport=True,
                              clip={"x": 0, "y": 0, "width": size["width"], "height": size["height"], "scale": 1})
            screenshot.write_bytes(base64.b64decode(shot["data"]))
            return [f"{src}: the browser could not show it" for src in broken]
        finally:
            tools.close()


def main():
    demo, out = sys.argv[1], pathlib.Path(sys.argv[2])
    chromium = shutil.which("chromium")
    if not chromium:
        print("SKIPPED: Chromium is not installed (scripts/install-check-deps.sh installs it)")
        return SKIP
    shutil.rmtree(out, ignore_errors=True)
    subprocess.run([demo, str(out)], check=True, stdout=subprocess.DEVNULL)
    page = out / "index.html"
    references = References()
    references.feed(page.read_text(encoding="utf-8"))
    if not references.pictures:
        print(f"{page}: no pictures at all")
        return 1
    problems = [f"{ref}: {why}" for ref in references.pictures + references.links
                if (why := file_problem(out / ref))]
    problems += browser_problems(chromium, page.resolve(), out / "gallery-in-chromium.png")
    if problems:
        print("\n".join(problems))
    print(f"{len(references.pictures)} pictures, {len(references.links)} linked files, "
          f"{len(problems)} problems; the page as Chromium shows it: {out / 'gallery-in-chromium.png'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
