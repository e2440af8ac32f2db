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


def script_text(path):
    # Nothing inside a script element may close it early.
    return pathlib.Path(path).read_text(encoding='utf-8').replace('</script', '<\\/script')


def compact(script):
    # Whole-line comments, indents and blank lines go: a tenth of the bytes
    # the page sends. The scripts have no text spanning lines that this
    # could change.
    lines = (line.strip() for line in script.splitlines())
    return '\n'.join(line for line in lines if line and not line.startswith('//'))


def main(template, style, font, icon, logo, logo_2x, module, output, *scripts):
    parts = {
        'STYLE': pathlib.Path(style).read_text(encoding='utf-8').replace('@FONT@', base64_of(font)),
        'ICON': base64_of(icon),
        'LOGO': base64_of(logo),
        'LOGOTWICE': base64_of(logo_2x),
        'MODULE': script_text(module),
        # The script's parts share one scope of their own, not the window's.
        'PAGE': "(function tarvelPage() {\n'use strict';\n" +
                '\n'.join(compact(script_text(script)) for script in scripts) + '\n})();',
    }
    text = pathlib.Path(template).read_text(encoding='utf-8')
    # One pass over the template alone: the inserted texts are left as they are.
    page_text = re.sub(r'@([A-Z]+)@', lambda m: parts[m.group(1)], text)
    pathlib.Path(output).write_text(page_text, encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) < 10:
        sys.exit('usage: bundle_page.py TEMPLATE STYLE FONT ICON LOGO LOGO2X MODULE OUTPUT SCRIPT...')
    main(*sys.argv[1:])
