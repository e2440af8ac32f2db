#!/usr/bin/env python3
"""Makes the one self-contained page: the template with its style, font,
pictures, the compiled module (WebAssembly inside) and the page's script
written into it, so that it opens from a file with nothing else."""
import base64
import pathlib
import re
import sys


def base64_of(path):
    return base64.b64encode(pathlib.Path(path).read_bytes()).decode('ascii')


def plain_png_base64(path):
    # A PNG without its gamma and colour chunks: the window shows the bytes
    # as they are, and a browser, told of no colour space, does the same.
    data = pathlib.Path(path).read_bytes()
    kept, at = [data[:8]], 8
    while at < len(data):
        length = int.from_bytes(data[at:at + 4], 'big')
        chunk = data[at:at + 12 + length]
        if chunk[4:8] not in (b'gAMA', b'cHRM', b'sRGB', b'iCCP'):
            kept.append(chunk)
        at += 12 + length
    return base64.b64encode(b''.join(kept)).decode('ascii')


def script_text(path):
    # Nothing inside a script element may close it early.
    return pathlib.Path(path).read_text(encoding='utf-8').replace('</script', '<\\/script')


def style_text(style, font):
    # The window style's pictures (window-look.css, beside the style) go in
    # where the style names them.
    look = pathlib.Path(style).with_name('window-look.css').read_text(encoding='utf-8')
    text = pathlib.Path(style).read_text(encoding='utf-8')
    return text.replace('@FONT@', base64_of(font)).replace('@LOOK@', look)


def main(template, style, font, icon, logo, logo_2x, module, script, output):
    parts = {
        'STYLE': style_text(style, font),
        'ICON': base64_of(icon),
        'LOGO': plain_png_base64(logo),
        'LOGOTWICE': plain_png_base64(logo_2x),
        'MODULE': script_text(module),
        # The page's modules, bundled and minified by esbuild into one
        # function of its own scope.
        'PAGE': script_text(script),
    }
    text = pathlib.Path(template).read_text(encoding='utf-8')
    # One pass over the template alone: the inserted texts are left as they are.
    page_text = re.sub(r'@([A-Z]+)@', lambda m: parts[m.group(1)], text)
    pathlib.Path(output).write_text(page_text, encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) != 10:
        sys.exit('usage: bundle_page.py TEMPLATE STYLE FONT ICON LOGO LOGO2X MODULE SCRIPT OUTPUT')
    main(*sys.argv[1:])
