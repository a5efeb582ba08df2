#!/usr/bin/env python3
"""Plays a video to its end in headless Chromium, as a page with a <video>.

  browser_play.py VIDEO [MIN_SECONDS]

Serves VIDEO's folder on 127.0.0.1, opens a page whose <video> plays it at
16 times its speed and reports back the video's end or its error. Prints what
the page saw and exits 0 when the video reached its end with no error, with
pictures and sound decoded and at least MIN_SECONDS long; 1 otherwise.
"""
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import urllib.parse

PAGE = """<!doctype html><meta charset="utf-8"><title>video</title>
<video id="v" src="/%s" muted autoplay playsinline></video>
<script>
const v = document.getElementById('v');
const report = what => fetch('/report?' + new URLSearchParams({what: JSON.stringify(what)}));
v.addEventListener('loadedmetadata', () => { v.playbackRate = 16; });
v.addEventListener('ended', () => report({event: 'ended', time: v.currentTime, duration: v.duration,
    width: v.videoWidth, height: v.videoHeight, pictures: v.getVideoPlaybackQuality().totalVideoFrames,
    soundBytes: v.webkitAudioDecodedByteCount}));
v.addEventListener('error', () => report({event: 'error', code: v.error.code, message: v.error.message}));
v.play().catch(e => report({event: 'error', code: -1, message: String(e)}));
</script>
"""

CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--autoplay-policy=no-user-gesture-required', '--mute-audio']


def serve(folder, name, reports):
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=folder, **kwargs)

        def do_GET(self):
            url = urllib.parse.urlparse(self.path)
            if url.path == '/':
                body = (PAGE % urllib.parse.quote(name)).encode()
                self.send_response(200)
                self.send_header('Content-Type', 'text/html; charset=utf-8')
                self.send_header('Content-Length', str(len(body)))
                self.end_headers()
                self.wfile.write(body)
            elif url.path == '/report':
                reports.append(json.loads(urllib.parse.parse_qs(url.query)['what'][0]))
                self.send_response(204)
                self.end_headers()
            else:
                super().do_GET()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main(argv):
    video, min_seconds = os.path.abspath(argv[1]), float(argv[2]) if len(argv) > 2 else 0
    reports = []
    server = serve(os.path.dirname(video), os.path.basename(video), reports)
    profile = tempfile.mkdtemp()
    browser = subprocess.Popen(['chromium', *CHROMIUM_FLAGS, f'--user-data-dir={profile}',
                                f'http://127.0.0.1:{server.server_address[1]}/'],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # A guard against a hang, far beyond the few seconds it takes.
        for _ in range(1200):
            if reports or browser.poll() is not None:
                break
            threading.Event().wait(0.1)
    finally:
        browser.kill()
        browser.wait()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    if not reports:
        print('the page reported nothing')
        return False
    seen = reports[0]
    print(json.dumps(seen))
    return (seen['event'] == 'ended' and seen['pictures'] > 0 and seen['soundBytes'] > 0
            and seen['duration'] >= min_seconds)


if __name__ == '__main__':
    sys.exit(0 if main(sys.argv) else 1)
