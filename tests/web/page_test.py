#!/usr/bin/python3
"""The browser page in headless Chromium, driven through the DevTools protocol: a new hero walks
into the village and saves with S; after a reload he is loaded from "Новая Игра" and stands on
the same cell. Also checks the page's size and its first frame's time.
Usage: page_test.py SITE_FOLDER [SCREENSHOT_FOLDER]"""
import functools, gzip, http.server, json, os, shutil, subprocess, sys, tempfile, threading
import time, urllib.request
try:
    import websocket
except ImportError:
    websocket = None

KEYS = {  # name: (key, code, shift)
    'F10': ('F10', 'F10', False), 'Enter': ('Enter', 'Enter', False),
    'Right': ('ArrowRight', 'ArrowRight', False), 'Down': ('ArrowDown', 'ArrowDown', False),
    'PageDown': ('PageDown', 'PageDown', False), 'BTab': ('Tab', 'Tab', True),
    '>': ('>', 'Period', True), 'S': ('S', 'KeyS', True), 'y': ('y', 'KeyY', False)}


def fail(why):
    sys.exit('web page: ' + why)


class Page:
    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=30)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get('id') == self.next_id:
                if 'error' in reply:
                    fail(method + ': ' + str(reply['error']))
                return reply['result']

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True)
        return result['result'].get('value')

    def screen(self):
        return self.evaluate('Module.screenText ? Module.screenText() : ""') or ''

    def wait_for(self, text, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if text in self.screen():
                return
            time.sleep(0.05)
        fail('no "%s" on the screen:\n%s' % (text, self.screen()))

    def send(self, *names):
        for name in names:
            key, code, shift = KEYS[name]
            text = key if len(key) == 1 else ('\r' if key == 'Enter' else '')
            self.call('Input.dispatchKeyEvent', type='keyDown', key=key, code=code,
                      modifiers=8 if shift else 0, text=text)
            self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=code)
            time.sleep(0.05)

    def hero_row(self):
        return [(y, line.rstrip()) for y, line in enumerate(self.screen().split('\n'))
                if '@' in line]

    def shoot(self, folder, name):
        if folder:
            import base64
            data = self.call('Page.captureScreenshot', format='png')['data']
            with open(os.path.join(folder, name), 'wb') as out:
                out.write(base64.b64decode(data))


def serve(site):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    handler = functools.partial(Quiet, directory=site)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def open_chromium(profile):
    browser = subprocess.Popen(
        ['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
         '--remote-debugging-port=0', '--user-data-dir=' + profile, '--window-size=1280,900',
         'about:blank'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port_file = os.path.join(profile, 'DevToolsActivePort')
    for _ in range(200):
        if os.path.exists(port_file) and open(port_file).read().count('\n') >= 1:
            break
        time.sleep(0.05)
    port = open(port_file).read().split('\n')[0]
    targets = json.load(urllib.request.urlopen('http://127.0.0.1:%s/json/list' % port))
    page = next(t for t in targets if t['type'] == 'page')
    return browser, Page(page['webSocketDebuggerUrl'])


def check_sizes(site):
    packed = sum(len(gzip.compress(open(os.path.join(site, name), 'rb').read(), 9))
                 for name in ('zaldrun.wasm', 'zaldrun.js', 'zaldrun.data', 'font.woff2'))
    print('page size, gzip -9 of program, data and font: %d bytes' % packed)
    if packed >= 5 * 1024 * 1024:
        fail('the page is %d bytes compressed' % packed)


def play(page, url, shots):
    page.call('Page.enable')
    page.call('Page.navigate', url=url)
    page.wait_for('Начать Игру')
    first_frame = page.evaluate('Module.firstFrameMs')
    print('first frame: %.0f ms after the page was asked for' % first_frame)
    if first_frame >= 1000:
        fail('the first frame came after %.0f ms' % first_frame)
    page.shoot(shots, 'main_menu.png')
    page.send('F10', 'Enter')
    page.wait_for('Имя: Вася')
    page.send('Enter')
    page.wait_for('Exp: 0(')
    page.send('PageDown', 'Right', 'Right', 'Right', 'Right', 'Right', 'Right', '>')
    page.wait_for('@')
    before = page.hero_row()
    page.shoot(shots, 'village.png')
    kept = page.evaluate('Module.filesKept || 0')
    page.send('S')
    page.wait_for('Сохранить и выйти?')
    page.send('y')
    deadline = time.time() + 10
    while page.evaluate('Module.filesKept || 0') <= kept and time.time() < deadline:
        time.sleep(0.05)

    page.call('Page.reload')
    time.sleep(0.3)
    page.wait_for('Начать Игру')
    page.send('F10', 'Enter')
    page.wait_for('Новая Игра')
    if 'Вася' not in page.screen():
        fail('the new-game window does not offer Вася after a reload')
    page.shoot(shots, 'new_game.png')
    # From the name box Shift+Tab goes to the load button, the create button, then the saves.
    page.send('BTab', 'BTab', 'BTab', 'Down', 'Enter')
    page.wait_for('Exp: 0(')
    page.shoot(shots, 'loaded.png')
    if page.hero_row() != before:
        fail('the hero is elsewhere: %s then %s' % (before, page.hero_row()))


def main():
    if len(sys.argv) < 2:
        fail('usage: page_test.py SITE_FOLDER [SCREENSHOT_FOLDER]')
    site, shots = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else None)
    if (not shutil.which('chromium') or websocket is None or
            not os.path.exists(os.path.join(site, 'zaldrun.wasm'))):
        print('web page: skipped (needs chromium, python3-websocket and the page built by make web)')
        return 77
    check_sizes(site)
    server = serve(site)
    profile = tempfile.mkdtemp(prefix='zaldrun-chromium-')
    browser = None
    try:
        browser, page = open_chromium(profile)
        play(page, 'http://127.0.0.1:%d/?seed=3' % server.server_address[1], shots)
    finally:
        if browser:
            browser.kill()
            browser.wait()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    print('web page: ok')
    return 0


if __name__ == '__main__':
    sys.exit(main())
