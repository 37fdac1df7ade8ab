#!/usr/bin/env python3
"""Kill matrix: which tests catch which plausible faults.

Each mutant of scripts/mutants/*.toml is a small fault written as data (file,
exact snippet, replacement, the rule it breaks). For each one this applies it,
rebuilds, runs CTest, records the tests that fail and restores the file,
whatever happens (a backup beside the build survives even a killed run).

  mutate.py run [--only ID ...] [--tests RE] [--exclude RE] [--out FILE]   the matrix, as JSON
  mutate.py run --quick EARLIER.json ...      whether each mutant is killed at all: the
                                              tests that killed it in an earlier matrix
                                              first, then the rest up to the first failure
  mutate.py check                              every mutant applies and compiles
  mutate.py compare BEFORE AFTER               what an after-matrix lost

Client checks (LibreOffice, Chromium, Xvfb) skip where their packages are
absent, so a mutant that only they kill counts as guarded only on CI.
"""
import argparse
import json
import os
import re
import shlex
import signal
import subprocess
import sys
import time
import tomllib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MUTANTS = ROOT / 'scripts' / 'mutants'
CLIENT_CHECKS = re.compile(r'^(LiveDemo\.|gallery\.)|LibreOffice')
RESULT = re.compile(r'Test\s+#\d+: (\S+) \.*\s*(.*)$', re.M)


def load_mutants():
    mutants, seen = [], set()
    for path in sorted(MUTANTS.glob('*.toml')):
        with open(path, 'rb') as f:
            for m in tomllib.load(f).get('mutant', []):
                missing = {'id', 'file', 'find', 'replace', 'rule'} - m.keys()
                if missing:
                    sys.exit(f'{path.name}: mutant {m.get("id", "?")} lacks {", ".join(sorted(missing))}')
                if m['id'] in seen:
                    sys.exit(f'{path.name}: mutant id {m["id"]} is used twice')
                seen.add(m['id'])
                mutants.append(m)
    return mutants


def mutated_text(m):
    text = (ROOT / m['file']).read_text()
    count = text.count(m['find'])
    if count != 1:
        return None, f'snippet found {count} times'
    return text.replace(m['find'], m['replace']), None


class Build:
    def __init__(self, folder):
        self.dir = (ROOT / folder).resolve()
        self.backup = self.dir / 'mutate-backup.json'

    def configure(self):
        if not (self.dir / 'build.ninja').exists():
            subprocess.run(['cmake', '-S', str(ROOT), '-B', str(self.dir), '-G', 'Ninja',
                            '-DCMAKE_BUILD_TYPE=Release',
                            # a mutated library need not relink every test program
                            '-DCMAKE_LINK_DEPENDS_NO_SHARED=ON'], check=True,
                           stdout=subprocess.DEVNULL)

    def build(self, jobs):
        r = subprocess.run(['cmake', '--build', str(self.dir), '-j', str(jobs)],
                           capture_output=True, text=True)
        return r.returncode == 0, r.stdout[-3000:] + r.stderr[-3000:]

    def ctest(self, jobs, timeout, tests=None, exclude=None, first=False):
        select = (['-R', tests] if tests else []) + (['-E', exclude] if exclude else [])
        select += ['--stop-on-failure'] if first else []
        r = subprocess.run(['ctest', '-j', str(jobs), '--timeout', str(timeout)] + select,
                           cwd=self.dir, capture_output=True, text=True)
        results = {}
        for name, state in RESULT.findall(r.stdout):
            results[name] = 'passed' if state.startswith('Passed') else \
                'skipped' if 'Skipped' in state else 'failed'
        return results

    def restore_leftover(self):
        # A run that was killed between applying and restoring left its backup.
        if self.backup.exists():
            saved = json.loads(self.backup.read_text())
            (ROOT / saved['file']).write_text(saved['text'])
            self.backup.unlink()
            print(f'restored {saved["file"]} from an interrupted run')

    def apply(self, m, text):
        original = (ROOT / m['file']).read_text()
        self.backup.write_text(json.dumps({'file': m['file'], 'text': original}))
        (ROOT / m['file']).write_text(text)
        return original

    def restore(self, m, original):
        (ROOT / m['file']).write_text(original)
        self.backup.unlink(missing_ok=True)


def syntax_check(build, m, text):
    commands = json.loads((build.dir / 'compile_commands.json').read_text())
    entry = next((c for c in commands if c['file'] == str(ROOT / m['file'])), None)
    if entry is None:
        return 'no compile command (not a built source?)'
    args = shlex.split(entry['command'])
    out = args.index('-o')
    del args[out:out + 2]
    args = [a for a in args if a not in ('-c', entry['file'])]
    args += ['-fsyntax-only', '-iquote', str((ROOT / m['file']).parent), '-x', 'c++', '-']
    r = subprocess.run(args, input=text, cwd=entry['directory'], capture_output=True, text=True)
    return None if r.returncode == 0 else r.stderr.strip().splitlines()[0]


def interrupted(*_):
    raise KeyboardInterrupt  # so that the mutated file is restored


def check(args):
    build = Build(args.build)
    build.configure()
    bad = 0
    for m in load_mutants():
        text, problem = mutated_text(m)
        problem = problem or syntax_check(build, m, text)
        if problem:
            bad += 1
            print(f'{m["id"]}: {problem}')
    print(f'{len(load_mutants()) - bad} mutants apply and compile, {bad} do not')
    return 1 if bad else 0


def run(args):
    build = Build(args.build)
    build.configure()
    build.restore_leftover()
    signal.signal(signal.SIGTERM, interrupted)
    mutants = [m for m in load_mutants() if not args.only or m['id'] in args.only]

    ok, log = build.build(args.jobs)
    if not ok:
        sys.exit('the unmutated tree does not build:\n' + log)
    baseline = build.ctest(args.jobs, args.timeout, args.tests, args.exclude)
    broken = failed(baseline)
    if broken:
        sys.exit('tests fail without a mutant: ' + ', '.join(broken))
    print(f'baseline: {len(baseline)} tests, {sum(s == "skipped" for s in baseline.values())} skipped')

    matrix = {'tests': baseline, 'mutants': {}}
    earlier = {}
    if args.quick:
        earlier = {k: e.get('killed_by', []) for k, e in
                   json.loads(Path(args.quick).read_text())['mutants'].items()}
    for i, m in enumerate(mutants, 1):
        started = time.time()
        entry = {'file': m['file'], 'rule': m['rule']}
        text, problem = mutated_text(m)
        if problem:
            entry.update(status='no-match', detail=problem)
        else:
            original = build.apply(m, text)
            try:
                ok, log = build.build(args.jobs)
                if not ok:
                    entry.update(status='no-build', detail=log[-600:])
                else:
                    killers = find_killers(build, args, earlier.get(m['id'], []), set(baseline))
                    entry.update(status='killed' if killers else 'survived', killed_by=killers)
            finally:
                build.restore(m, original)
        matrix['mutants'][m['id']] = entry
        print(f'[{i}/{len(mutants)}] {m["id"]}: {entry["status"]} '
              f'({len(entry.get("killed_by", []))} tests, {time.time() - started:.0f} s)', flush=True)
        if args.out:
            Path(args.out).write_text(json.dumps(matrix, indent=1, sort_keys=True) + '\n')

    build.build(args.jobs)  # leave the build as the tree is
    summarise(matrix)
    return 0


def failed(results):
    return sorted(t for t, s in results.items() if s == 'failed')


def find_killers(build, args, earlier_killers, known):
    if not args.quick:
        return failed(build.ctest(args.jobs, args.timeout, args.tests, args.exclude))
    # Quick: the tests that caught it before, where they still exist, then the
    # rest up to the first failure. The list of killers is then not complete.
    again = [t for t in earlier_killers if t in known and not CLIENT_CHECKS.search(t)]
    if again:
        pattern = '^(' + '|'.join(re.escape(t) for t in again) + ')$'
        killers = failed(build.ctest(args.jobs, args.timeout, pattern, args.exclude))
        if killers:
            return killers
    return failed(build.ctest(args.jobs, args.timeout, args.tests, args.exclude, first=True))


def guarded(entry):
    """Killed by at least one test that runs without the client packages."""
    return any(not CLIENT_CHECKS.search(t) for t in entry.get('killed_by', []))


def summarise(matrix):
    mutants = matrix['mutants']
    killed = [k for k, e in mutants.items() if e['status'] == 'killed']
    print(f'{len(mutants)} mutants, {len(killed)} killed, '
          f'{sum(guarded(mutants[k]) for k in killed)} of them by a test that needs no client package')
    for k, e in sorted(mutants.items()):
        if e['status'] != 'killed':
            print(f'  {e["status"]}: {k} ({e["rule"]})')


def compare(args):
    before = json.loads(Path(args.before).read_text())['mutants']
    after = json.loads(Path(args.after).read_text())['mutants']
    for name, matrix in (('before', before), ('after', after)):
        killed = [e for e in matrix.values() if e['status'] == 'killed']
        print(f'{name}: {len(matrix)} mutants, {len(killed)} killed, '
              f'{sum(map(guarded, killed))} by a test that needs no client package')
    lost = [k for k, e in before.items() if e['status'] == 'killed' and not guarded(after.get(k, {}))]
    for k in lost:
        print(f'  no longer killed without client packages: {k} ({before[k]["rule"]})')
    return 1 if lost else 0


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument('--build', default='build-mutate')
    p.add_argument('--jobs', type=int, default=os.cpu_count() or 2)
    p.add_argument('--timeout', type=int, default=180, help='seconds a test may take')
    sub = p.add_subparsers(dest='command', required=True)
    r = sub.add_parser('run')
    r.add_argument('--only', nargs='*')
    r.add_argument('--out')
    r.add_argument('--tests', help='only the tests whose names match this regular expression')
    r.add_argument('--exclude', help='leave out the tests whose names match this regular expression')
    r.add_argument('--quick', metavar='EARLIER', help='stop at the first kill, trying the killers of this matrix first')
    sub.add_parser('check')
    c = sub.add_parser('compare')
    c.add_argument('before')
    c.add_argument('after')
    args = p.parse_args()
    return {'run': run, 'check': check, 'compare': compare}[args.command](args)


if __name__ == '__main__':
    sys.exit(main())
